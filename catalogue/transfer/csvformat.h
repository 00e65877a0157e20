#pragma once
// Recipes as CSV (RFC 4180, UTF-8 with a byte order mark so that spreadsheets know the encoding):
// a header row of the column names, then one row per recipe; a field with a comma, a quote or a
// line break is quoted.
#include "catalogue/transfer/recipefile.h"

namespace catalogue::transfer {

QByteArray toCsv(const NextRow& next);

// Throws platform::Failure when the header is not ours, a row has another number of fields,
// or a quoted field is not closed.
std::vector<Incoming> fromCsv(const QString& text);

} // namespace catalogue::transfer
