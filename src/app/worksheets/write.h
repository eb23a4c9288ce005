#pragma once
// The worksheet as a PDF: for every version its problems with room to write,
// then the answer key with each problem's worked explanation.

#include "request.h"

namespace worksheets {

// Writes the sheets (and the key, there or in keyPath) completely or not at
// all: false with a message when a file cannot be written.
bool write(const Request& request, QString* error = nullptr);

} // namespace worksheets
