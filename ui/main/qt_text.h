#pragma once
// The text conversions now live in ui/common; this name stays for the files that include it here.

#include "ui/common/qt_text.h"
