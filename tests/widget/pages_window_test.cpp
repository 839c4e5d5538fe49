// The generic page window over every page table: what it builds from the table, what it sends
// for read and write, and how it refuses what it cannot send.

#include "pages_test_support.h"

#include "pages/page_codec.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <set>

namespace motiview::test {
namespace {

class PageWindowTest : public ::testing::TestWithParam<PageId> {
  protected:
    PageWindowTest() : page_(page_schema(GetParam())), fx_(GetParam()) {}

    void click(std::string_view button) {
        auto* b = fx_.child<QPushButton>(button);
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Selects the whole text of a text box and types over it, as a user would.
    void typeInto(std::string_view name, const QString& text) {
        auto* edit = fx_.child<QLineEdit>(name);
        ASSERT_NE(edit, nullptr) << name;
        edit->selectAll();
        QTest::keyClicks(edit, text);
        ASSERT_EQ(edit->text(), text) << name;
    }

    const PageSchema& page_;
    PageFixture fx_;
};

INSTANTIATE_TEST_SUITE_P(AllPages, PageWindowTest, ::testing::ValuesIn(kAllPages), page_param_name);

// --- what the window builds from its table ---------------------------------------------------

TEST_P(PageWindowTest, WindowAndFieldsCarryTheTableNames) {
    EXPECT_EQ(fx_.window().objectName(), qs(page_.window));
    EXPECT_TRUE(fx_.window().isWindow());
    EXPECT_TRUE(fx_.window().testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(&fx_.window().schema(), &page_);
    for (const FieldSchema& f : page_.fields) {
        SCOPED_TRACE(std::string(f.name));
        switch (f.widget) {
        case Widget::None:
            // A byte the page carries but never shows has no control.
            EXPECT_EQ(fx_.child<QWidget>(f.name), nullptr);
            continue;
        case Widget::Text:
            EXPECT_NE(fx_.child<QLineEdit>(f.name), nullptr);
            break;
        case Widget::List:
        case Widget::EditableList: {
            auto* combo = fx_.child<QComboBox>(f.name);
            ASSERT_NE(combo, nullptr);
            EXPECT_EQ(combo->isEditable(), f.widget == Widget::EditableList);
            ASSERT_EQ(combo->count(), static_cast<int>(f.items.size()));
            for (std::size_t k = 0; k < f.items.size(); ++k) {
                EXPECT_EQ(combo->itemText(static_cast<int>(k)), qs(f.items[k]));
            }
            break;
        }
        case Widget::Check:
            EXPECT_NE(fx_.child<QCheckBox>(f.name), nullptr);
            break;
        }
        if (!f.label.empty()) {
            auto* label = fx_.child<QLabel>(f.label);
            ASSERT_NE(label, nullptr) << f.label;
            EXPECT_EQ(label->buddy(), fx_.child<QWidget>(f.name));
        }
    }
    EXPECT_NE(fx_.child<QPushButton>("cmdread"), nullptr);
    EXPECT_NE(fx_.child<QPushButton>("cmdwrite"), nullptr);
}

TEST_P(PageWindowTest, ReadOnlyFieldsAreDisabledAndHiddenOnesHidden) {
    for (const FieldSchema& f : page_.fields) {
        SCOPED_TRACE(std::string(f.name));
        if (f.widget == Widget::None) {
            continue; // no control at all
        }
        auto* w = fx_.child<QWidget>(f.name);
        ASSERT_NE(w, nullptr);
        auto* label = f.label.empty() ? nullptr : fx_.child<QLabel>(f.label);
        switch (f.access) {
        case Access::ReadOnly:
            EXPECT_FALSE(w->isEnabled());
            EXPECT_TRUE(w->isVisible());
            break;
        case Access::Hidden:
            EXPECT_TRUE(w->isHidden());
            if (label != nullptr) {
                EXPECT_TRUE(label->isHidden());
            }
            break;
        case Access::Editable:
            EXPECT_TRUE(w->isVisible());
            if (label != nullptr) {
                EXPECT_TRUE(label->isVisible());
            }
            break;
        }
    }
}

TEST_P(PageWindowTest, CaptionRoutineRunsAtLoad) {
    EXPECT_EQ(fx_.window().windowTitle(), qs(page_.title));
    for (const FieldSchema& f : page_.fields) {
        SCOPED_TRACE(std::string(f.name));
        if (!f.label.empty()) {
            EXPECT_EQ(fx_.child<QLabel>(f.label)->text(), qs(f.caption));
        }
        if (f.widget == Widget::Check) {
            EXPECT_EQ(fx_.child<QCheckBox>(f.name)->text(), qs(f.caption));
        }
        if (!f.caption.empty()) {
            EXPECT_EQ(fx_.child<QWidget>(f.name)->accessibleName(), qs(f.caption));
        }
    }
    EXPECT_EQ(fx_.child<QPushButton>("cmdread")->text(), QStringLiteral("read"));
    EXPECT_EQ(fx_.child<QPushButton>("cmdwrite")->text(), QStringLiteral("write"));
}

TEST_P(PageWindowTest, CaptionRoutineRestoresCaptionsAfterAChange) {
    for (QLabel* label : fx_.window().findChildren<QLabel*>()) {
        label->setText(QStringLiteral("changed"));
    }
    fx_.window().setWindowTitle(QStringLiteral("changed"));
    fx_.window().applyCaptions();
    EXPECT_EQ(fx_.window().windowTitle(), qs(page_.title));
    for (const FieldSchema& f : page_.fields) {
        if (!f.label.empty()) {
            EXPECT_EQ(fx_.child<QLabel>(f.label)->text(), qs(f.caption)) << f.label;
        }
    }
}

TEST_P(PageWindowTest, FieldsShowTheDesignTimeStateAtLoad) {
    const PageState design = design_state(page_);
    const PageState shown = fx_.window().collectState();
    ASSERT_EQ(shown.fields.size(), page_.fields.size());
    EXPECT_FALSE(shown.filled);
    for (std::size_t i = 0; i < page_.fields.size(); ++i) {
        SCOPED_TRACE(std::string(page_.fields[i].name));
        EXPECT_EQ(shown_text(page_.fields[i], shown.fields[i]),
                  shown_text(page_.fields[i], design.fields[i]));
    }
}

TEST_P(PageWindowTest, FieldsAreFoundByAccessibleName) {
    // The accessibility tree is what screen readers and UI automation walk.
    std::set<QString> names;
    std::vector<QAccessibleInterface*> todo{QAccessible::queryAccessibleInterface(&fx_.window())};
    while (!todo.empty()) {
        QAccessibleInterface* node = todo.back();
        todo.pop_back();
        ASSERT_NE(node, nullptr);
        const QAccessible::Role role = node->role();
        if (role == QAccessible::EditableText || role == QAccessible::ComboBox ||
            role == QAccessible::CheckBox) {
            // Linux names a combo box by its value and points to its label by a relation.
            if (role != QAccessible::ComboBox) {
                names.insert(node->text(QAccessible::Name));
            }
            for (const auto& [other, relation] : node->relations(QAccessible::Label)) {
                names.insert(other->text(QAccessible::Name));
            }
        }
        for (int k = 0; k < node->childCount(); ++k) {
            todo.push_back(node->child(k));
        }
    }
    for (const FieldSchema& f : page_.fields) {
        if (f.access != Access::Hidden && !f.caption.empty()) {
            EXPECT_GE(names.count(qs(f.caption)), 1u) << f.name;
        }
    }
}

// --- read and write --------------------------------------------------------------------------

TEST_P(PageWindowTest, ReadSendsTheReadRequestOnly) {
    click("cmdread");
    ASSERT_EQ(fx_.port().sent.size(), 1u);
    const ShortFrame& request = frame_set().read(page_.id);
    EXPECT_EQ(fx_.port().sent[0], Bytes(request.begin(), request.end()));
    EXPECT_FALSE(fx_.window().collectState().filled);
}

TEST_P(PageWindowTest, WriteBeforeAnyReplySendsNothingAndSaysWhy) {
    click("cmdwrite");
    EXPECT_TRUE(fx_.port().sent.empty());
    QMessageBox* box = fx_.message();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Read the parameters from the controller before "
                                          "writing them."));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("info"));
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->testAttribute(Qt::WA_DeleteOnClose));
}

TEST_P(PageWindowTest, WriteAfterAReplyEchoesItsBytes) {
    for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(seed);
        const Unit reply = make_reply(page_, seed);
        fx_.window().decodeReply(reply);
        EXPECT_TRUE(fx_.window().collectState().filled);
        fx_.port().sent.clear();
        click("cmdwrite");
        ASSERT_EQ(fx_.port().sent.size(), 1u);
        EXPECT_EQ(to_hex(fx_.port().sent[0]), to_hex(echo_of(page_.id, reply)));
        EXPECT_EQ(fx_.message(), nullptr);
    }
}

TEST_P(PageWindowTest, EditedFieldChangesOnlyItsBytes) {
    int edited = 0;
    for (std::size_t i = 0; i < page_.fields.size(); ++i) {
        const FieldSchema& f = page_.fields[i];
        if (f.widget != Widget::Text || f.access != Access::Editable ||
            f.kind != FieldKind::Number) {
            continue;
        }
        SCOPED_TRACE(std::string(f.name));
        const Unit reply = make_reply(page_, static_cast<std::uint32_t>(i) + 7u);
        fx_.window().decodeReply(reply);
        const Unit echo = echo_of(page_.id, reply);
        const std::size_t span = f.width == Width::U8 ? 1 : 2;

        // A text whose bytes differ from the reply's; the codec says what they are.
        QString text;
        Unit expected{};
        for (const char* candidate : {"1", "2", "3", "5", "7", "11", "100", "250"}) {
            PageState s = fx_.window().collectState();
            ASSERT_TRUE(set_field_text(page_, s, f.name, candidate).ok());
            Result<Unit> frame = encode(page_, s, NumberFormat{});
            ASSERT_TRUE(frame.ok());
            if (!std::equal(frame.value().begin() + f.offset,
                            frame.value().begin() + f.offset + static_cast<long>(span),
                            echo.begin() + f.offset)) {
                text = QString::fromLatin1(candidate);
                expected = frame.value();
                break;
            }
        }
        ASSERT_FALSE(text.isEmpty());
        typeInto(f.name, text);
        fx_.port().sent.clear();
        click("cmdwrite");
        ASSERT_EQ(fx_.port().sent.size(), 1u);
        EXPECT_EQ(to_hex(fx_.port().sent[0]), to_hex(expected));
        for (std::size_t b = 0; b < kUnitSize; ++b) {
            if (b < f.offset || b >= f.offset + span) {
                EXPECT_EQ(fx_.port().sent[0][b], echo[b]) << "byte " << b;
            }
        }
        ++edited;
    }
    if (edited == 0) {
        GTEST_SKIP() << "no editable number field on this page";
    }
}

TEST_P(PageWindowTest, RefusedFieldSendsNothingAndChangesNoField) {
    int refused = 0;
    for (const FieldSchema& f : page_.fields) {
        if (f.widget != Widget::Text || f.access != Access::Editable ||
            f.kind != FieldKind::Number || f.conversion != Conversion::Strict) {
            continue;
        }
        SCOPED_TRACE(std::string(f.name));
        fx_.window().decodeReply(make_reply(page_, 11u));
        typeInto(f.name, QStringLiteral("abc"));
        const PageState before = fx_.window().collectState();
        fx_.port().sent.clear();
        fx_.dropMessages();
        click("cmdwrite");
        EXPECT_TRUE(fx_.port().sent.empty());
        QMessageBox* box = fx_.message();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("warning"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_TRUE(box->text().contains(qs(f.caption))) << box->text().toStdString();
        EXPECT_TRUE(box->text().contains(QStringLiteral("abc"))) << box->text().toStdString();
        const PageState after = fx_.window().collectState();
        for (std::size_t i = 0; i < page_.fields.size(); ++i) {
            EXPECT_EQ(shown_text(page_.fields[i], after.fields[i]),
                      shown_text(page_.fields[i], before.fields[i]))
                << page_.fields[i].name;
        }
        ++refused;
    }
    if (refused == 0) {
        GTEST_SKIP() << "no editable strict field on this page";
    }
}

TEST(PageWindowReply, LeavesFieldsWithoutBytesAlone) {
    // txtBwSpeedstep (Derate) and txtIcADC128A (hardware) are in no byte of the block.
    int kept = 0;
    for (PageId id : kAllPages) {
        const PageSchema& page = page_schema(id);
        PageFixture fx(id);
        for (const FieldSchema& f : page.fields) {
            if (f.kind != FieldKind::Unbound || f.widget != Widget::Text ||
                f.access != Access::Editable) {
                continue;
            }
            auto* edit = fx.child<QLineEdit>(f.name);
            ASSERT_NE(edit, nullptr) << f.name;
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("4321"));
            fx.window().decodeReply(make_reply(page, 5u));
            EXPECT_EQ(edit->text(), QStringLiteral("4321")) << f.name;
            EXPECT_TRUE(fx.window().collectState().filled) << f.name;
            ++kept;
        }
    }
    EXPECT_GE(kept, 2);
}

TEST_P(PageWindowTest, LinkButtonsFollowTheLink) {
    auto* read = fx_.child<QPushButton>("cmdread");
    auto* write = fx_.child<QPushButton>("cmdwrite");
    fx_.window().setLinkButtonsEnabled(false);
    EXPECT_FALSE(read->isEnabled());
    EXPECT_FALSE(write->isEnabled());
    fx_.window().setLinkButtonsEnabled(true);
    EXPECT_TRUE(read->isEnabled());
    EXPECT_TRUE(write->isEnabled());
}

// --- golden frames for single fields ---------------------------------------------------------

struct GoldenCase {
    PageId page;
    std::string_view field;
    const char* text;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

class PageGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(PageGoldenTest, TypedValueLandsInItsBytes) {
    const GoldenCase& c = GetParam();
    PageFixture fx(c.page);
    fx.window().decodeReply(make_reply(page_schema(c.page), 3u));
    auto* edit = fx.child<QLineEdit>(c.field);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->isEnabled());
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(c.text));
    ASSERT_EQ(edit->text(), QString::fromLatin1(c.text));
    QTest::mouseClick(fx.child<QPushButton>("cmdwrite"), Qt::LeftButton);
    ASSERT_EQ(fx.port().sent.size(), 1u);
    const Bytes& frame = fx.port().sent[0];
    ASSERT_EQ(frame.size(), kUnitSize);
    EXPECT_EQ(frame[0], page_codes(c.page).group);
    EXPECT_EQ(frame[1], page_codes(c.page).write);
    EXPECT_EQ(frame[31], kEndByte);
    EXPECT_EQ(Bytes(frame.begin() + static_cast<long>(c.offset),
                    frame.begin() + static_cast<long>(c.offset + c.bytes.size())),
              c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PageGoldenTest,
    ::testing::Values(GoldenCase{PageId::Basic, "txtMaxspeed", "350", 2, {0x5E, 0x01}},
                      GoldenCase{PageId::Basic, "txtMaxspeed", "12.9", 2, {0x0C, 0x00}},
                      GoldenCase{PageId::Basic, "txtMaxspeed", "40000", 2, {0xFF, 0x7F}},
                      GoldenCase{PageId::Reference, "txtVoltageH", "72.5", 2, {0x52, 0x1C}},
                      GoldenCase{PageId::Control, "txtMotLockTimeout", "300", 29, {0xFF}},
                      GoldenCase{PageId::Protection, "txtConstPT1", "300", 12, {0x2C, 0x01}},
                      GoldenCase{PageId::ModeSet, "txtSpeedMode1", "200", 2, {0x14}},
                      GoldenCase{PageId::Hardware, "txtFluxPeriod", "300", 15, {0xFF}},
                      GoldenCase{PageId::Derate, "txtConstECOPT2", "1018", 8, {0xFA, 0x03}}),
    [](const ::testing::TestParamInfo<GoldenCase>& p) {
        const GoldenCase& c = p.param;
        return page_name(c.page) + "_" + label_name(c.field) + "_" + text_name(c.text);
    });

} // namespace
} // namespace motiview::test
