#include "CliCommon.h"

#include "base/Errors.h"

int CmdPat(TArgs) { throw EVarnelError("this command is not available yet"); }
