#include "CliCommon.h"

#include "base/Errors.h"

int CmdPdf(TArgs) { throw EVarnelError("this command is not available yet"); }
