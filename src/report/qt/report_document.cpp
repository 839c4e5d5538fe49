#include "report/qt/report_document.h"

#include "base/qt/text.h"
#include "report/report_content.h"
#include "ui/plot_render.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

namespace motiview {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kIdKey = "report_id";
// The report's fixed words are in the window's language (without a translator, as on the
// command line, English); what it reports (the controller's and the technician's texts, the
// history's summaries) stays as stored.
constexpr const char* kContext = "motiview::Report";

// A member of the content, or null: the drawing never throws on a content it does not expect.
const Json& member(const Json& j, std::string_view key) {
    static const Json kNull;
    if (!j.is_object()) {
        return kNull;
    }
    const auto it = j.find(key);
    return it == j.end() ? kNull : *it;
}

QString utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The value as a person reads it: strings as they are, null as "".
QString plain(const Json& j) {
    if (j.is_string()) {
        return utf8(j.get_ref<const std::string&>());
    }
    if (j.is_null()) {
        return {};
    }
    return utf8(j.dump(-1, ' ', false, Json::error_handler_t::replace));
}

// Escaped, with the technician's line breaks kept.
QString esc(const QString& text) {
    QString out = text.toHtmlEscaped();
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\n'), QStringLiteral("<br />"));
    return out;
}

QString esc(const Json& j) {
    return esc(plain(j));
}

QString or_text(const Json& j, const QString& missing) {
    const QString text = plain(j);
    return esc(text.isEmpty() ? missing : text);
}

// A caption of the core's tables as the window shows it: its English text is the key.
QString shown_caption(const char* context, const Json& caption) {
    return esc(tq(context, plain(caption).toStdString()));
}

constexpr auto kTable = R"(<table width="100%" border="1" cellspacing="0" cellpadding="3" )"
                        R"(style="border-collapse: collapse; border-style: solid; )"
                        R"(border-color: #606060;">)";

// Headings carry their style inline: the text document keeps its own heading sizes over a
// style sheet's.
QString heading(const QString& text) {
    return QStringLiteral(R"(<h2 style="font-size: 11pt; margin-top: 12px; margin-bottom: 4px;">)"
                          "%1</h2>\n")
        .arg(esc(text));
}

QString paragraph(const QString& html) {
    return QStringLiteral("<p>%1</p>\n").arg(html);
}

// Time and text lines: the faults that came and went, the writes, the tests.
QString time_lines(const Json& lines) {
    QString out = QStringLiteral(R"(<table width="100%" cellspacing="0" cellpadding="2">)");
    for (const Json& line : lines) {
        out += QStringLiteral(R"(<tr><td width="24%" style="white-space: pre;">%1</td>)"
                              R"(<td width="76%">%2</td></tr>)")
                   .arg(esc(member(line, "time")), esc(member(line, "text")));
    }
    return out + QStringLiteral("</table>\n");
}

bool has_lines(const Json& lines) {
    return lines.is_array() && !lines.empty();
}

QString fault_cell(const Json& side, const char* word) {
    if (!side.is_object()) {
        return esc(QCoreApplication::translate("motiview::Report", "not read"));
    }
    const Json& names = member(side, word);
    if (!names.is_array()) {
        return esc(QCoreApplication::translate("motiview::Report", "not read"));
    }
    QStringList list;
    for (const Json& n : names) {
        list << plain(n);
    }
    return esc(list.isEmpty() ? QCoreApplication::translate("motiview::Report", "none")
                              : list.join(QStringLiteral(", ")));
}

QString job_block(const Json& content, const QString& id) {
    const Json& job = member(content, "job");
    const QString state = plain(member(job, "state"));
    const QString stateHtml = state == QStringLiteral("finished")
                                  ? esc(state)
                                  : QStringLiteral("<b>%1</b>").arg(esc(state));
    const std::pair<const char*, QString> rows[] = {
        {QT_TRANSLATE_NOOP("motiview::Report", "Job"), esc(member(job, "number"))},
        {QT_TRANSLATE_NOOP("motiview::Report", "Technician"), esc(member(job, "technician"))},
        {QT_TRANSLATE_NOOP("motiview::Report", "Vehicle / customer"), esc(member(job, "vehicle"))},
        {QT_TRANSLATE_NOOP("motiview::Report", "Complaint"), esc(member(job, "complaint"))},
        {QT_TRANSLATE_NOOP("motiview::Report", "Work done"), esc(member(job, "work_done"))},
        {QT_TRANSLATE_NOOP("motiview::Report", "Started"), esc(member(job, "started"))},
        {QT_TRANSLATE_NOOP("motiview::Report", "Finished"),
         or_text(member(job, "finished"),
                 QCoreApplication::translate("motiview::Report", "not finished"))},
        {QT_TRANSLATE_NOOP("motiview::Report", "State"), stateHtml},
        {QT_TRANSLATE_NOOP("motiview::Report", "Report id"), esc(id)},
        {QT_TRANSLATE_NOOP("motiview::Report", "Tool version"), esc(member(content, "tool"))},
        {QT_TRANSLATE_NOOP("motiview::Report", "Created"), esc(member(content, "created"))},
    };
    QString out = QStringLiteral(R"(<table width="100%" cellspacing="0" cellpadding="2">)");
    for (const auto& [caption, value] : rows) {
        out += QStringLiteral(R"(<tr><td width="24%"><b>%1</b></td><td width="76%">%2</td></tr>)")
                   .arg(esc(QCoreApplication::translate(kContext, caption)), value);
    }
    return out + QStringLiteral("</table>\n");
}

QString controller_block(const Json& content) {
    const Json& controller = member(content, "controller");
    QString out = heading(QCoreApplication::translate("motiview::Report", "Controller"));
    out += QStringLiteral(R"(<table width="100%" cellspacing="0" cellpadding="2">)"
                          R"(<tr><td width="24%"><b>%1</b></td><td width="76%">%2</td></tr>)"
                          R"(<tr><td width="24%"><b>%3</b></td><td width="76%">%4</td></tr>)"
                          "</table>\n")
               .arg(esc(QCoreApplication::translate("motiview::Report", "Serial number")),
                    or_text(member(controller, "serial"),
                            QCoreApplication::translate("motiview::Report", "not read")),
                    esc(QCoreApplication::translate("motiview::Report", "User name")),
                    or_text(member(controller, "user_name"),
                            QCoreApplication::translate("motiview::Report", "none")));
    const Json& identity = member(controller, "identity");
    if (has_lines(identity)) {
        // Two fields a row: the identity page is long and says little to a customer.
        out += QString::fromUtf8(kTable);
        const std::size_t n = identity.size();
        for (std::size_t i = 0; i < n; i += 2) {
            out += QStringLiteral("<tr>");
            for (std::size_t k = i; k < i + 2; ++k) {
                if (k < n) {
                    out += QStringLiteral(R"(<td width="30%">%1</td><td width="20%">%2</td>)")
                               .arg(shown_caption("Pages", member(identity[k], "caption")),
                                    esc(member(identity[k], "text")));
                } else {
                    out += QStringLiteral(R"(<td width="30%"></td><td width="20%"></td>)");
                }
            }
            out += QStringLiteral("</tr>");
        }
        out += QStringLiteral("</table>\n");
    }
    return out;
}

QString faults_block(const Json& content) {
    const Json& faults = member(content, "faults");
    const Json& found = member(faults, "as_found");
    const Json& left = member(faults, "as_left");
    QString out = heading(QCoreApplication::translate("motiview::Report", "Faults"));
    out += QString::fromUtf8(kTable);
    out += QStringLiteral(R"(<thead><tr><th width="20%"></th><th width="40%">%1</th>)"
                          R"(<th width="40%">%2</th></tr></thead>)")
               .arg(esc(QCoreApplication::translate("motiview::Report", "As found")),
                    esc(QCoreApplication::translate("motiview::Report", "As left")));
    for (const auto& [caption, key] :
         {std::pair{QT_TRANSLATE_NOOP("motiview::Report", "Current"), "current"},
          {QT_TRANSLATE_NOOP("motiview::Report", "History"), "history"}}) {
        out += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td>%3</td></tr>")
                   .arg(esc(QCoreApplication::translate(kContext, caption)), fault_cell(found, key),
                        fault_cell(left, key));
    }
    out += QStringLiteral("</table>\n");

    out += heading(QCoreApplication::translate("motiview::Report", "Faults during the job"));
    const Json& changes = member(content, "fault_changes");
    out += has_lines(changes) ? time_lines(changes)
                              : paragraph(esc(QCoreApplication::translate(
                                    "motiview::Report", "No fault came or went.")));
    return out;
}

QString changes_block(const Json& content) {
    QString out = heading(QCoreApplication::translate("motiview::Report", "Parameters changed"));
    const Json& changes = member(content, "changes");
    if (!changes.is_array()) {
        return out + paragraph(esc(QCoreApplication::translate(
                         "motiview::Report", "Not read: the parameters were not read both as "
                                             "found and as left, so no change can be shown.")));
    }
    if (changes.empty()) {
        return out + paragraph(esc(QCoreApplication::translate("motiview::Report",
                                                               "No parameter was changed.")));
    }
    // The header row in <thead>: repeated at the top of every page the table runs onto.
    out += QString::fromUtf8(kTable);
    out += QStringLiteral(R"(<thead><tr><th width="20%">%1</th><th width="36%">%2</th>)"
                          R"(<th width="22%">%3</th><th width="22%">%4</th></tr></thead>)"
                          "<tbody>")
               .arg(esc(QCoreApplication::translate("motiview::Report", "Page")),
                    esc(QCoreApplication::translate("motiview::Report", "Parameter")),
                    esc(QCoreApplication::translate("motiview::Report", "As found")),
                    esc(QCoreApplication::translate("motiview::Report", "As left")));
    // The pages' and fields' captions as the window shows them.
    for (const Json& c : changes) {
        out += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                   .arg(shown_caption("Pages", member(c, "page_title")),
                        shown_caption("Pages", member(c, "caption")), esc(member(c, "as_found")),
                        esc(member(c, "as_left")));
    }
    return out + QStringLiteral("</tbody></table>\n");
}

QString events_block(const Json& content) {
    QString out;
    if (const Json& writes = member(content, "writes"); has_lines(writes)) {
        out +=
            heading(QCoreApplication::translate("motiview::Report", "Writes")) + time_lines(writes);
    }
    out += heading(QCoreApplication::translate("motiview::Report", "Hall tests"));
    const Json& hall = member(content, "hall_tests");
    out += has_lines(hall) ? time_lines(hall)
                           : paragraph(esc(QCoreApplication::translate("motiview::Report",
                                                                       "No hall test was run.")));
    if (const Json& resets = member(content, "counter_resets"); has_lines(resets)) {
        out +=
            heading(QCoreApplication::translate("motiview::Report", "Calibration count resets")) +
            time_lines(resets);
    }
    return out;
}

QString live_block(const Json& content) {
    QString out = heading(QCoreApplication::translate("motiview::Report", "Live values"));
    out += QString::fromUtf8(kTable);
    out += QStringLiteral(R"(<thead><tr><th width="40%">%1</th><th width="30%">%2</th>)"
                          R"(<th width="30%">%3</th></tr></thead>)")
               .arg(esc(QCoreApplication::translate("motiview::Report", "Value")),
                    esc(QCoreApplication::translate("motiview::Report", "As found")),
                    esc(QCoreApplication::translate("motiview::Report", "As left")));
    const Json& live = member(content, "live");
    if (live.is_array()) {
        const QString notRead = QCoreApplication::translate("motiview::Report", "not read");
        // The status panel's captions, as the window shows them.
        for (const Json& v : live) {
            out += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                       .arg(shown_caption("Panels", member(v, "caption")),
                            or_text(member(v, "as_found"), notRead),
                            or_text(member(v, "as_left"), notRead));
        }
    }
    return out + QStringLiteral("</table>\n");
}

// The recording's plot in the report: 16 cm x 6.5 cm in CSS pixels (96 per inch), drawn
// 2.5 times as fine for print.
constexpr double kPlotWidthPx = 16.0 / 2.54 * 96.0;
constexpr double kPlotHeightPx = 6.5 / 2.54 * 96.0;
constexpr double kPlotScale = 2.5;

// An <img> with the plot window's picture of the file as a PNG data: URI, or a short saying why
// there is none.
QString recording_plot_html(const QString& path) {
    const Result<Recording> r = load_recording(path);
    if (!r) {
        return esc(QCoreApplication::translate("motiview::Report", "(file not found, no plot)"));
    }
    if (r->rows.empty()) {
        return esc(QCoreApplication::translate("motiview::Report", "(no rows to plot)"));
    }
    const QSize size(static_cast<int>(std::lround(kPlotWidthPx)),
                     static_cast<int>(std::lround(kPlotHeightPx)));
    const Result<QImage> image =
        render_recording_image(*r, {}, std::nullopt, std::nullopt, size, kPlotScale);
    QByteArray png;
    QBuffer buffer(&png);
    if (!image || !buffer.open(QIODevice::WriteOnly) || !image->save(&buffer, "PNG")) {
        return esc(QCoreApplication::translate("motiview::Report", "(plot could not be drawn)"));
    }
    return QStringLiteral("<img src=\"data:image/png;base64,%1\" width=\"%2\" height=\"%3\" "
                          "alt=\"%4\" />")
        .arg(QString::fromLatin1(png.toBase64()), QString::number(size.width()),
             QString::number(size.height()),
             QCoreApplication::translate("motiview::Report", "voltage, current and speed over time")
                 .toHtmlEscaped());
}

QString recordings_block(const Json& content) {
    QString out = heading(QCoreApplication::translate("motiview::Report", "Recordings"));
    const Json& recordings = member(content, "recordings");
    if (!has_lines(recordings)) {
        return out + paragraph(esc(QCoreApplication::translate("motiview::Report",
                                                               "No recording was made.")));
    }
    for (const Json& r : recordings) {
        const Json& seconds = member(r, "seconds");
        const Json& rows = member(r, "rows");
        const QString length =
            seconds.is_number() ? QString::number(seconds.get<double>(), 'f', 1) : plain(seconds);
        // The file's name: where the workshop keeps it says nothing to the customer.
        const QString file = plain(member(r, "file"));
        out += paragraph(
            QStringLiteral("<b>%1</b> (%2): %3 s, %4 %5")
                .arg(esc(QFileInfo(file).fileName()), esc(member(r, "time")), esc(length),
                     esc(rows),
                     esc(rows == 1 ? QCoreApplication::translate("motiview::Report", "row")
                                   : QCoreApplication::translate("motiview::Report", "rows"))));
        out += paragraph(recording_plot_html(file));
    }
    return out;
}

QString signatures_block() {
    const QString line = QString(34, QLatin1Char('_'));
    const QString signature = esc(QCoreApplication::translate("motiview::Report", "Signature"));
    const QString date = esc(QCoreApplication::translate("motiview::Report", "Date"));
    const auto cell = [&](const QString& who) {
        return QStringLiteral("<td width=\"46%\"><b>%1</b><br /><br /><br />%2<br />%3"
                              "<br /><br /><br />%2<br />%4</td>")
            .arg(esc(who), line, signature, date);
    };
    return QStringLiteral(R"(<p style="margin-top: 14px; margin-bottom: 0;">&nbsp;</p>)"
                          R"(<table width="100%" cellspacing="0" cellpadding="0">)"
                          R"(<tr>%1<td width="8%"></td>%2</tr></table>)")
        .arg(cell(QCoreApplication::translate("motiview::Report", "Technician")),
             cell(QCoreApplication::translate("motiview::Report", "Customer")));
}

QString report_title(const Json& content) {
    const QString job = plain(member(member(content, "job"), "number"));
    return job.isEmpty()
               ? QCoreApplication::translate("motiview::Report", "Service report")
               : QCoreApplication::translate("motiview::Report", "Service report, job %1").arg(job);
}

// Millimetres in a device's pixels.
double mm(const QPaintDevice& device, double millimetres) {
    return millimetres / 25.4 * device.logicalDpiY();
}

// The signature block: the document's last table.
QTextFrame* last_table(QTextDocument& doc) {
    const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
    for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
        if (qobject_cast<QTextTable*>(*it) != nullptr) {
            return *it;
        }
    }
    return nullptr;
}

// A frame that would run over a page break starts on the next page instead, if it fits there.
void keep_on_one_page(QTextDocument& doc, QTextFrame* frame) {
    if (frame == nullptr) {
        return;
    }
    const QRectF r = doc.documentLayout()->frameBoundingRect(frame);
    const double page = doc.pageSize().height();
    if (r.height() < page && std::floor(r.top() / page) != std::floor(r.bottom() / page)) {
        QTextFrameFormat format = frame->frameFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        frame->setFrameFormat(format);
    }
}

// The PDF of the HTML, page by page, each with its footer; the layout runs on the writer's
// own resolution so that what is measured is what is drawn.
Result<QByteArray> render_pdf(const QString& html, const QString& title, const QString& creator,
                              const QString& footerText) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return Error{"", buffer.errorString().toStdString()};
    }
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 14, 18, 10), QPageLayout::Millimeter));
    writer.setTitle(title);
    writer.setCreator(creator);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9);
    // No ligatures: "fi" stays two letters for whoever searches or copies the PDF's text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setHtml(html);

    const double footerHeight = mm(writer, 9);
    const QSizeF body(writer.width(), writer.height() - footerHeight);
    doc.setPageSize(body);
    keep_on_one_page(doc, last_table(doc));
    const int pages = doc.pageCount();

    QPainter painter;
    if (!painter.begin(&writer)) {
        return Error{"", "the PDF could not be started"};
    }
    QFont footerFont = font;
    footerFont.setPointSizeF(7.5);
    const QFontMetricsF footerMetrics(footerFont, &writer);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !writer.newPage()) {
            return Error{"", "page " + std::to_string(page + 1) + " could not be started"};
        }
        const double top = page * body.height();
        painter.save();
        painter.translate(0, -top);
        QAbstractTextDocumentLayout::PaintContext context;
        // A line that starts or ends right on the page's edge belongs to the other page: the
        // clip is a hair smaller, or its text would also be in this page (hidden, but found).
        context.clip = QRectF(0, top + 0.5, body.width(), body.height() - 1.0);
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(QRectF(0, top, body.width(), body.height()));
        doc.documentLayout()->draw(&painter, context);
        painter.restore();

        // The footer: a thin rule, the report's id on the left, the page on the right.
        const double ruleY = body.height() + mm(writer, 3);
        painter.setPen(QPen(QColor(0x60, 0x60, 0x60), mm(writer, 0.2)));
        painter.drawLine(QPointF(0, ruleY), QPointF(body.width(), ruleY));
        painter.setPen(Qt::black);
        painter.setFont(footerFont);
        const QRectF footer(0, ruleY + mm(writer, 1), body.width(), footerMetrics.height());
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignTop, footerText);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignTop,
                         QCoreApplication::translate("motiview::Report", "Page %1 of %2")
                             .arg(page + 1)
                             .arg(pages));
    }
    if (!painter.end()) {
        return Error{"", "the PDF could not be finished"};
    }
    return pdf;
}

// Through a temporary file beside the target, renamed over it: complete or not there at all.
Result<bool> save(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const auto failed = [&path](const QString& reason) {
        return Error{"", path.toStdString() + ": " + reason.toStdString()};
    };
    if (!file.open(QIODevice::WriteOnly)) {
        return failed(file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit()) {
        return failed(file.errorString());
    }
    return true;
}

Json without_id(const Json& content) {
    Json out = content;
    if (out.is_object()) {
        out.erase(std::string(kIdKey));
    }
    return out;
}

} // namespace

std::string report_id(const Json& content) {
    // A content that already carries its id is hashed without it, so a report file checks out.
    const std::string text = report_content_text(without_id(content));
    const QByteArray hash =
        QCryptographicHash::hash(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())),
                                 QCryptographicHash::Sha256);
    return hash.toHex().left(8).toStdString();
}

QString report_html(const Json& content) {
    const Json& idValue = member(content, kIdKey);
    const QString id = idValue.is_string() ? plain(idValue) : utf8(report_id(content));
    const QString title = report_title(content);

    QString out =
        QStringLiteral(
            "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\" />\n<title>%1</title>\n"
            "<style>\n"
            "body { font-family: 'DejaVu Sans', Arial, Helvetica, sans-serif; font-size: 9pt; "
            "color: #000000; background-color: #ffffff; }\n"
            "p { margin-top: 0; margin-bottom: 3pt; }\n"
            "th { text-align: left; font-weight: bold; background-color: #e4e4e4; }\n"
            "td, th { vertical-align: top; }\n"
            "</style>\n</head>\n<body>\n")
            .arg(esc(title));
    out += QStringLiteral(R"(<h1 style="font-size: 15pt; margin-top: 0; margin-bottom: 8px;">)"
                          "%1</h1>\n")
               .arg(esc(title));
    out += job_block(content, id);
    out += controller_block(content);
    out += heading(QCoreApplication::translate("motiview::Report", "Compared with"));
    out += paragraph(or_text(member(content, "compared_with"),
                             QCoreApplication::translate("motiview::Report", "nothing")));
    out += faults_block(content);
    out += changes_block(content);
    out += events_block(content);
    out += live_block(content);
    out += recordings_block(content);
    out += signatures_block();
    out += QStringLiteral("\n</body>\n</html>\n");
    return out;
}

Result<std::string> write_report(const Json& content, const ReportFiles& files) {
    const std::string id = report_id(content);
    const Json full = with_report_id(without_id(content), id);

    // Everything is made before anything is written: a drawing that fails writes nothing.
    std::vector<std::pair<QString, QByteArray>> out;
    const QString html = report_html(full);
    if (!files.pdf.isEmpty()) {
        const QString serial = plain(member(member(full, "controller"), "serial"));
        const QString title =
            report_title(full) + (serial.isEmpty() ? QString() : QStringLiteral(", ") + serial);
        const QString tool = plain(member(full, "tool"));
        const QString creator = QStringLiteral("motiview ") +
                                (tool.isEmpty() ? QCoreApplication::applicationVersion() : tool);
        const QString footer =
            report_title(full) + QStringLiteral("  \u00b7  ") +
            QCoreApplication::translate("motiview::Report", "report id %1").arg(utf8(id));
        Result<QByteArray> pdf = render_pdf(html, title, creator, footer);
        if (!pdf) {
            return Error{"", files.pdf.toStdString() + ": " + pdf.error().message};
        }
        out.emplace_back(files.pdf, std::move(pdf).value());
    }
    if (!files.html.isEmpty()) {
        out.emplace_back(files.html, html.toUtf8());
    }
    if (!files.json.isEmpty()) {
        const std::string text = full.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
        out.emplace_back(files.json, QByteArray::fromStdString(text));
    }
    for (const auto& [path, bytes] : out) {
        if (Result<bool> saved = save(path, bytes); !saved) {
            return saved.error();
        }
    }
    return id;
}

ReportFiles report_files_beside(const QString& pdf) {
    if (pdf.isEmpty()) {
        return {};
    }
    QString base = pdf;
    if (base.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        base.chop(4);
    }
    return ReportFiles{pdf, base + QStringLiteral(".html"), base + QStringLiteral(".json")};
}

} // namespace motiview
