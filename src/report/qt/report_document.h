#pragma once
// The service report drawn: PDF (A4, page numbers, table headers repeated on every page) through
// QTextDocument and QPdfWriter, the same text as HTML, and the content as JSON, all from one
// content model (report/report_content.h). Needs a QApplication (fonts, and the plot window that
// draws a recording's plot); the command line runs one on the offscreen platform.

#include "base/result.h"

#include <nlohmann/json.hpp>

#include <QString>

#include <string>

namespace motiview {

// "1a2b3c4d": the first 8 hex digits of the SHA-256 of report_content_text(content).
[[nodiscard]] std::string report_id(const nlohmann::ordered_json& content);

// The report as one HTML document (UTF-8, no external resources): what the PDF shows.
// `content` carries its report id (with_report_id).
[[nodiscard]] QString report_html(const nlohmann::ordered_json& content);

// Where a report goes; an empty path is not written.
struct ReportFiles {
    QString pdf;
    QString html;
    QString json;
};

// Makes the id, then writes each file (each completely or not at all, over a temporary file).
// The id, or an error naming the file that could not be written.
[[nodiscard]] Result<std::string> write_report(const nlohmann::ordered_json& content,
                                               const ReportFiles& files);

// ".html" and ".json" beside a PDF: "job-1.pdf" -> "job-1.html", "job-1.json".
[[nodiscard]] ReportFiles report_files_beside(const QString& pdf);

} // namespace motiview
