#include "CliCommon.h"

#include "base/Errors.h"

int CmdConvert(TArgs) { throw EVarnelError("this command is not available yet"); }
