#pragma once
// Batch runs: one calculator over a table of cases (CSV, UTF-8, a header row of field names, one
// case a row, a blank cell taking the base value). Every row runs; a refused row is reported in
// its line and the batch goes on. Out: CSV (row, refused, the first message, then for every check
// its utilisation and 满足/不满足) or, with --json, one JSON object a line; with --report-dir, each
// row's report as DIR/<row>.txt.

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Registry.h"

namespace ferrolab::cli {

// A CSV text as rows of cells (RFC 4180: quoted cells may hold commas, quotes doubled, line
// breaks; "\n" or "\r\n" ends a row; a leading byte-order mark is dropped; blank lines are
// skipped). Absent, with the reason in `error`, when the text is malformed.
std::optional<std::vector<std::vector<std::string>>> ParseCsv(const std::string& text,
                                                              std::string& error);

// One cell of CSV output, quoted when it must be.
std::string CsvCell(const std::string& text);

// Runs the batch of options.batchFile over `base` (defaults, file inputs and command-line fields
// already applied). Exit status 0 when every row computed, 2 when any row was refused, 64 for an
// unreadable or malformed file or an unknown column, before any row runs.
int RunBatch(const Calculator& row, const FieldValues& base, const RunOptions& options,
             std::ostream& out, std::ostream& err);

} // namespace ferrolab::cli
