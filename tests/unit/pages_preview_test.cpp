// What the controller will store for a typed text, shown before a write: the fields' own
// limits, rounding, scale, sign and conversion, on fields of the real pages.

#include "pages/page_codec.h"
#include "pages/page_schema.h"

#include "case_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace motiview;

struct PreviewCase {
    const char* what;
    PageId page;
    const char* field;
    const char* text;
    const char* note; // "" when stored as typed
};

class StoredPreviewNote : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(StoredPreviewNote, SaysWhatTheControllerWillHold) {
    const PreviewCase& c = GetParam();
    const FieldSchema* f = find_field(page_schema(c.page), c.field);
    ASSERT_NE(f, nullptr) << c.field;
    const NumberFormat dot{".", ","};
    const StoredPreview p = preview_stored(*f, c.text, dot);
    EXPECT_EQ(preview_note(p), c.note);
    // The window rebuilds the note from its parts in its own language: they must give the
    // same reason, from the list the translators see.
    if (p.kind != StoredPreview::Kind::Same) {
        EXPECT_EQ(fill_text(p.reasonText, p.reasonArg), p.reason);
        EXPECT_NE(std::find(codec_text::kReasons.begin(), codec_text::kReasons.end(), p.reasonText),
                  codec_text::kReasons.end())
            << p.reasonText;
    }

    // The note agrees with the write: a refused text refuses the write, a changed one writes
    // the value the note shows.
    PageState state = design_state(page_schema(c.page));
    ASSERT_TRUE(set_field_text(page_schema(c.page), state, c.field, c.text).ok());
    const auto frame = encode(page_schema(c.page), state, dot);
    EXPECT_EQ(frame.ok(), p.kind != StoredPreview::Kind::Refused);
    if (frame.ok() && p.kind == StoredPreview::Kind::Changed) {
        PageState back = design_state(page_schema(c.page));
        decode_into(page_schema(c.page), *frame, back, dot);
        const auto i = static_cast<std::size_t>(f - page_schema(c.page).fields.data());
        EXPECT_EQ(back.fields[i].text, p.shown);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, StoredPreviewNote,
    ::testing::Values(
        PreviewCase{"as typed", PageId::Basic, "txtMaxspeed", "4200", ""},
        PreviewCase{"floor to whole units", PageId::Basic, "txtMaxspeed", "12.7",
                    "stored as 12 (whole units)"},
        PreviewCase{"upper limit in hundredths", PageId::Reference, "txtVoltageH", "400",
                    "stored as 327.67 (upper limit)"},
        PreviewCase{"hundredths as typed", PageId::Reference, "txtVoltageH", "16.4", ""},
        PreviewCase{"beyond hundredths", PageId::Reference, "txtVoltageH", "16.456",
                    "stored as 16.45 (steps of 0.01)"},
        PreviewCase{"below the threshold gives 0", PageId::Reference, "txtHALL_60_360_Switch",
                    "0.4", "stored as 0 (below 1)"},
        PreviewCase{"lenient leading number", PageId::Reference, "txtIdcMinPerc", "40abc",
                    "stored as 40 (leading number)"},
        PreviewCase{"lenient half to even", PageId::Reference, "txtIdcMinPerc", "40.5",
                    "stored as 40 (whole units)"},
        PreviewCase{"half to even rounds up", PageId::Motor, "txtPolePairN", "5.5",
                    "stored as 6 (whole units)"},
        PreviewCase{"units of 100", PageId::Basic, "txtSpeedFluxQuit", "3050",
                    "stored as 3000 (units of 100)"},
        PreviewCase{"units of 10", PageId::Motor, "txtHallRefAcc", "125",
                    "stored as 120 (units of 10)"},
        PreviewCase{"negated field", PageId::Basic, "txtBspeed", "-1500.5",
                    "stored as -1500 (whole units)"},
        PreviewCase{"lower limit", PageId::Motor, "txtFrmHallSec1", "5",
                    "stored as 20 (lower limit)"},
        PreviewCase{"not a number", PageId::Basic, "txtMaxspeed", "fast", "not a number"},
        PreviewCase{"beyond 32 bits", PageId::Basic, "txtMaxspeed", "99999999999", "too large"}),
    motiview::test::ByLabel<&PreviewCase::what>{});

struct FillCase {
    const char* what;
    const char* templ;
    const char* a;
    const char* b;
    const char* filled;
};

class FillText : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillText, ReplacesEachPlaceholderOnceInOnePass) {
    const FillCase& c = GetParam();
    EXPECT_EQ(fill_text(c.templ, c.a, c.b), c.filled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillText,
    ::testing::Values(FillCase{"both", "\"%1\": \"%2\" is out of range.", "Max speed[rpm]", "9e9",
                               "\"Max speed[rpm]\": \"9e9\" is out of range."},
                      FillCase{"typed text holding a placeholder", "%1: %2", "%2", "%1", "%2: %1"},
                      FillCase{"percent that is no placeholder", "Reg comp[%] %1", "5", "",
                               "Reg comp[%] 5"},
                      FillCase{"third placeholder left alone", "%1 %3", "a", "b", "a %3"},
                      FillCase{"percent at the end", "100%", "a", "b", "100%"},
                      FillCase{"no placeholder", "upper limit", "a", "b", "upper limit"}),
    motiview::test::ByLabel<&FillCase::what>{});

// Every refusal of a typed text names the field by the caption the page shows and the text as
// typed, so that the window can show it again in its language.
TEST(FieldRefusal, IsOneOfTheTemplatesFilledWithTheCaptionAndTheText) {
    const PageSchema& page = page_schema(PageId::Basic);
    for (const char* typed : {"fast", "99999999999"}) {
        PageState state = design_state(page);
        ASSERT_TRUE(set_field_text(page, state, "txtMaxspeed", typed).ok());
        const auto frame = encode(page, state, NumberFormat{".", ","});
        ASSERT_FALSE(frame.ok()) << typed;
        const FieldSchema& f = *find_field(page, "txtMaxspeed");
        const auto matches = std::count_if(
            codec_text::kRefusals.begin(), codec_text::kRefusals.end(), [&](std::string_view t) {
                return fill_text(t, shown_name(f), typed) == frame.error().message;
            });
        EXPECT_EQ(matches, 1) << frame.error().message;
    }
}

} // namespace
