#include "CliCommon.h"

#include "base/Errors.h"

int CmdLib(TArgs) { throw EVarnelError("this command is not available yet"); }
