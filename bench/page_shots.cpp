// Saves a picture of each parameter page window, filled from a plausible reply, as
// docs/page-<name>.png. With --a11y it also prints each window's accessibility tree.
// Run by hand: xvfb-run -a ./page_shots [--a11y] [output-dir]

#include "fake_transport.h"
#include "link/frames.h"
#include "pages/page_codec.h"
#include "pages/page_schema.h"
#include "ui/page_window.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTextStream>

#include <cstdio>
#include <utility>

namespace {

using namespace motiview;

// The design-time values as the controller would send them back; a design text that is no
// number ("Text1") becomes 1.
Unit plausible_reply(const PageSchema& page) {
    PageState state = design_state(page);
    for (std::size_t tries = 0; tries <= page.fields.size(); ++tries) {
        Result<Unit> frame = encode(page, state, NumberFormat{});
        if (frame.ok()) {
            Unit reply = frame.value();
            reply[1] = page_codes(page.id).read;
            return reply;
        }
        if (!set_field_text(page, state, frame.error().field, "1").ok()) {
            break;
        }
    }
    Unit empty{};
    empty[0] = page_codes(page.id).group;
    empty[1] = page_codes(page.id).read;
    empty[31] = kEndByte;
    return empty;
}

void dump(QTextStream& out, QAccessibleInterface* node, int depth) {
    if (node == nullptr) {
        return;
    }
    const QObject* object = node->object();
    out << QString(depth * 2, QLatin1Char(' ')) << "role " << node->role() << " name \""
        << node->text(QAccessible::Name) << "\" object "
        << (object != nullptr ? object->objectName() : QString()) << "\n";
    for (int k = 0; k < node->childCount(); ++k) {
        dump(out, node->child(k), depth + 1);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bool a11y = false;
    QString dir = QStringLiteral(MOTIVIEW_DOCS_DIR);
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--a11y")) {
            a11y = true;
        } else {
            dir = arg;
        }
    }
    QDir().mkpath(dir);
    QTextStream out(stdout);
    int failures = 0;
    for (PageId id : kAllPages) {
        const PageSchema& page = page_schema(id);
        test::FakeTransport port;
        PageWindow window(page, port);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.decodeReply(plausible_reply(page));
        window.show();
        QCoreApplication::processEvents();
        const QString file =
            dir + QStringLiteral("/page-") +
            QString::fromUtf8(page.cliName.data(), static_cast<qsizetype>(page.cliName.size())) +
            ".png";
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        } else {
            out << file << " " << window.width() << "x" << window.height() << "\n";
        }
        if (a11y) {
            dump(out, QAccessible::queryAccessibleInterface(&window), 0);
        }
        out.flush();
    }
    // The Basic page while being edited: one field beyond its limit, one with a fraction the
    // controller drops, both marked as not yet written.
    {
        test::FakeTransport port;
        PageWindow window(page_schema(PageId::Basic), port);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.decodeReply(plausible_reply(page_schema(PageId::Basic)));
        window.show();
        for (const auto& [name, text] :
             {std::pair{"txtMaxspeed", "70000"}, std::pair{"txtBspeed", "-1500.5"}}) {
            if (auto* edit = window.findChild<QLineEdit*>(QLatin1String(name))) {
                edit->setText(QLatin1String(text));
            }
        }
        QCoreApplication::processEvents();
        const QString file = dir + QStringLiteral("/page-basic-edited.png");
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        } else {
            out << file << "\n";
        }
    }
    return failures == 0 ? 0 : 1;
}
