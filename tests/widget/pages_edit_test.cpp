// What a page says while the user edits it: the note of what the controller will store, checked
// against the frame the write then sends, and the marks of fields edited since the last reply.

#include "pages_test_support.h"

#include "pages/page_codec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <set>

namespace motiview::test {
namespace {

bool has_note(const FieldSchema& f) {
    return f.access == Access::Editable && f.kind == FieldKind::Number && f.widget == Widget::Text;
}

bool refusal(const std::string& note) {
    return note == "not a number" || note == "too large" || note == "out of range";
}

void type_text(QWidget* w, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setEditText(text);
    }
}

// Every field with a note on every page, each with texts that meet its limits, rounding,
// scale and conversion: the note says what the write then stores, or that it refuses.
TEST(StoredNote, AgreesWithTheFrameTheWriteSends) {
    const char* const texts[] = {"99999", "-99999", "0.4", "12.7",       "1.2345",
                                 "3050",  "40abc",  "abc", "99999999999"};
    std::set<std::string> reasons;
    for (PageId id : kAllPages) {
        const PageSchema& page = page_schema(id);
        PageFixture fx(id);
        for (std::size_t i = 0; i < page.fields.size(); ++i) {
            const FieldSchema& f = page.fields[i];
            auto* note = fx.child<QLabel>(std::string(f.name) + "_note");
            if (!has_note(f)) {
                EXPECT_EQ(note, nullptr) << f.name;
                continue;
            }
            ASSERT_NE(note, nullptr) << f.name;
            QWidget* w = fx.child<QWidget>(f.name);
            for (const char* text : texts) {
                SCOPED_TRACE(std::string(page.cliName) + " " + std::string(f.name) + " '" + text +
                             "'");
                fx.window().decodeReply(make_reply(page, 3u));
                EXPECT_FALSE(note->isVisibleTo(&fx.window())) << "a reply leaves no note";
                type_text(w, QString::fromLatin1(text));
                const std::string shown = note->text().toStdString();
                EXPECT_EQ(note->isVisibleTo(&fx.window()), !shown.empty());
                fx.port().sent.clear();
                fx.dropMessages();
                QTest::mouseClick(fx.child<QPushButton>("cmdwrite"), Qt::LeftButton);
                if (refusal(shown)) {
                    reasons.insert(shown);
                    EXPECT_TRUE(fx.port().sent.empty());
                    EXPECT_NE(fx.message(), nullptr);
                    EXPECT_TRUE(note->styleSheet().contains("#c00000"));
                    continue;
                }
                ASSERT_EQ(fx.port().sent.size(), 1U);
                Unit frame{};
                std::copy(fx.port().sent[0].begin(), fx.port().sent[0].end(), frame.begin());
                PageState back = design_state(page);
                decode_into(page, frame, back, NumberFormat{".", ","});
                const std::string stored = shown_text(f, back.fields[i]);
                if (shown.empty()) {
                    // Stored as typed; a page with fixed decimals may show it with more digits.
                    if (f.fixedDecimals == 0) {
                        EXPECT_EQ(stored, text) << "stored as typed";
                    } else {
                        EXPECT_NEAR(std::stod(stored), std::stod(text),
                                    0.5 * std::pow(10.0, -f.fixedDecimals) + 1e-9);
                    }
                    continue;
                }
                const std::string prefix = "stored as ";
                ASSERT_EQ(shown.rfind(prefix, 0), 0U) << shown;
                const std::size_t paren = shown.find(" (");
                ASSERT_NE(paren, std::string::npos) << shown;
                EXPECT_EQ(stored, shown.substr(prefix.size(), paren - prefix.size()));
                reasons.insert(shown.substr(paren + 2, shown.size() - paren - 3));
            }
        }
    }
    // The texts above meet every rule somewhere on the pages ("below 1" belongs to a field no
    // page lets the user type into).
    for (const char* reason :
         {"upper limit", "lower limit", "whole units", "units of 10", "units of 100",
          "leading number", "not a number", "too large", "out of range"}) {
        EXPECT_TRUE(reasons.contains(reason)) << reason;
    }
}

TEST(EditedMarks, CountFieldsThatDifferFromTheLastReplyUntilTheNextOne) {
    PageFixture fx(PageId::Hardware);
    const PageSchema& page = page_schema(PageId::Hardware);
    const Unit reply = make_reply(page, 5u);
    fx.window().decodeReply(reply);
    auto* line = fx.child<QLabel>("lblEdited");
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(line->isVisibleTo(&fx.window()));

    auto* speed = fx.child<QLineEdit>("txtFluxPeriod");
    const QString held = speed->text();
    type_text(speed, held + QStringLiteral("1"));
    EXPECT_TRUE(speed->font().bold());
    EXPECT_EQ(speed->toolTip(), QStringLiteral("controller holds ") + held);
    EXPECT_EQ(line->text(), "1 field edited, not written");
    EXPECT_TRUE(line->isVisibleTo(&fx.window()));

    QComboBox* list = nullptr;
    for (const FieldSchema& f : page.fields) {
        if (f.widget == Widget::List && f.access == Access::Editable) {
            list = fx.child<QComboBox>(f.name);
            break;
        }
    }
    ASSERT_NE(list, nullptr);
    const QString item = list->currentText();
    list->setCurrentIndex((list->currentIndex() + 1) % list->count());
    EXPECT_EQ(list->toolTip(), QStringLiteral("controller holds ") + item);
    EXPECT_EQ(line->text(), "2 fields edited, not written");
    EXPECT_EQ(fx.window().editedCount(), 2);

    type_text(speed, held); // typed back: no longer edited
    EXPECT_FALSE(speed->font().bold());
    EXPECT_TRUE(speed->toolTip().isEmpty());
    EXPECT_EQ(line->text(), "1 field edited, not written");

    fx.window().decodeReply(reply);
    EXPECT_EQ(fx.window().editedCount(), 0);
    EXPECT_FALSE(list->font().bold());
    EXPECT_FALSE(line->isVisibleTo(&fx.window()));

    // Only information: closing with edits closes, no question.
    type_text(speed, QStringLiteral("1"));
    fx.dropMessages();
    EXPECT_TRUE(fx.window().close());
}

TEST(EditedMarks, CheckBoxSaysWhatTheControllerHolds) {
    for (PageId id : kAllPages) {
        const PageSchema& page = page_schema(id);
        for (const FieldSchema& f : page.fields) {
            if (f.widget != Widget::Check || f.access != Access::Editable ||
                f.kind == FieldKind::Unbound) {
                continue;
            }
            PageFixture fx(id);
            fx.window().decodeReply(make_reply(page, 9u));
            auto* box = fx.child<QCheckBox>(f.name);
            const bool was = box->checkState() == Qt::Checked;
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
            ASSERT_NE(box->checkState() == Qt::Checked, was) << f.name;
            EXPECT_EQ(box->toolTip(), was ? QStringLiteral("controller holds ticked")
                                          : QStringLiteral("controller holds not ticked"));
            EXPECT_EQ(fx.window().editedCount(), 1);
            return; // one check box shows the wording
        }
    }
    FAIL() << "no editable check box on any page";
}

TEST(EditedMarks, NothingIsMarkedBeforeTheFirstReply) {
    PageFixture fx(PageId::Motor);
    type_text(fx.child<QLineEdit>("txtPolePairN"), QStringLiteral("5.5"));
    EXPECT_EQ(fx.window().editedCount(), 0);
    EXPECT_FALSE(fx.child<QLabel>("txtPolePairN_note")->isVisibleTo(&fx.window()));
}

} // namespace
} // namespace motiview::test
