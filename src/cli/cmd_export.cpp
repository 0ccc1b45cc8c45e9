#include "CliCommon.h"

#include "base/Errors.h"

int CmdExport(TArgs) { throw EVarnelError("this command is not available yet"); }
