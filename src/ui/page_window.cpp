#include "ui/page_window.h"

#include "base/qt/locale_format.h"
#include "base/qt/text.h"
#include "link/frames.h"
#include "ui/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace motiview {

namespace {

// Rows of label + field pairs per column before the page spreads over another column.
constexpr int kRowsPerColumn = 18;
constexpr int kTwipsPerPixel = 15;
constexpr int kGroupBoxWidth = 56; // one box of a row of boxes (the serial number)

Qt::CheckState to_qt(CheckState c) {
    switch (c) {
    case CheckState::Checked:
        return Qt::Checked;
    case CheckState::Grayed:
        return Qt::PartiallyChecked;
    case CheckState::Unchecked:
        break;
    }
    return Qt::Unchecked;
}

CheckState from_qt(Qt::CheckState c) {
    switch (c) {
    case Qt::Checked:
        return CheckState::Checked;
    case Qt::PartiallyChecked:
        return CheckState::Grayed;
    case Qt::Unchecked:
        break;
    }
    return CheckState::Unchecked;
}

QString message_text(std::string_view english) {
    return tq("Messages", english);
}

// The note beside a number field in the window's language; the same text as preview_note.
QString note_text(const StoredPreview& p) {
    const QString reason = p.reasonArg.empty() ? message_text(p.reasonText)
                                               : message_text(p.reasonText).arg(qs(p.reasonArg));
    switch (p.kind) {
    case StoredPreview::Kind::Same:
        return {};
    case StoredPreview::Kind::Changed:
        return message_text(codec_text::kStoredAs).arg(qs(p.shown), reason);
    case StoredPreview::Kind::Refused:
        return reason;
    }
    return {};
}

// A refused write's message in the window's language when it is one of the field refusals,
// else as the codec wrote it.
QString refusal_text(const PageSchema& page, const PageState& state, const Error& e) {
    const QString as_written = QString::fromStdString(e.message);
    for (std::size_t i = 0; i < page.fields.size() && i < state.fields.size(); ++i) {
        const FieldSchema& f = page.fields[i];
        if (f.name != e.field) {
            continue;
        }
        const std::string& typed = state.fields[i].text;
        for (const std::string_view templ : codec_text::kRefusals) {
            if (fill_text(templ, shown_name(f), typed) == e.message) {
                return message_text(templ).arg(tq("Pages", shown_name(f)), qs(typed));
            }
        }
    }
    return as_written;
}

} // namespace

PageWindow::PageWindow(const PageSchema& schema, Transport& transport, QWidget* parent)
    : QWidget(parent, Qt::Window), schema_(schema), transport_(transport),
      state_(design_state(schema)) {
    setObjectName(qs(schema_.window));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(qs(schema_.designTitle));

    buildFields();
    buildButtons();
    buildLayout();
    mirrorAll();
    applyCaptions();

    if (schema_.widthTwips > 0 && schema_.heightTwips > 0) {
        resize(schema_.widthTwips / kTwipsPerPixel, schema_.heightTwips / kTwipsPerPixel);
    } else {
        resize(sizeHint());
    }
}

PageWindow::~PageWindow() = default;

void PageWindow::buildFields() {
    widgets_.resize(schema_.fields.size());
    for (std::size_t i = 0; i < schema_.fields.size(); ++i) {
        const FieldSchema& f = schema_.fields[i];
        FieldWidgets& w = widgets_[i];
        switch (f.widget) {
        case Widget::None:
            continue; // a byte the page carries but never shows
        case Widget::Text: {
            auto* edit = new QLineEdit(this);
            if (f.selectAllOnFocus) {
                edit->installEventFilter(this);
            }
            w.widget = edit;
            break;
        }
        case Widget::List:
        case Widget::EditableList: {
            auto* combo = new QComboBox(this);
            combo->setEditable(f.widget == Widget::EditableList);
            combo->setInsertPolicy(QComboBox::NoInsert);
            for (std::string_view item : f.items) {
                combo->addItem(qs(item));
            }
            w.widget = combo;
            break;
        }
        case Widget::Check: {
            auto* check = new QCheckBox(qs(f.designLabel), this);
            connect(check, &QCheckBox::clicked, this, [this, i] { onCheckClicked(i); });
            w.widget = check;
            break;
        }
        }
        w.widget->setObjectName(qs(f.name));
        if (f.access == Access::Editable && f.kind == FieldKind::Number &&
            f.widget == Widget::Text) {
            // Under the field, taking no room while it is empty.
            w.note = new QLabel(this);
            w.note->setObjectName(qs(f.name) + QStringLiteral("_note"));
            w.note->setTextFormat(Qt::PlainText);
            QFont small = w.note->font();
            small.setPointSizeF(small.pointSizeF() * 0.85);
            w.note->setFont(small);
            w.note->hide();
        }
        if (f.access == Access::Editable && f.kind != FieldKind::Unbound) {
            if (auto* edit = qobject_cast<QLineEdit*>(w.widget)) {
                connect(edit, &QLineEdit::textChanged, this, [this, i] { onFieldChanged(i); });
            } else if (auto* combo = qobject_cast<QComboBox*>(w.widget)) {
                connect(combo, &QComboBox::currentTextChanged, this,
                        [this, i] { onFieldChanged(i); });
            } else if (auto* check = qobject_cast<QCheckBox*>(w.widget)) {
                connect(check, &QCheckBox::stateChanged, this, [this, i] { onFieldChanged(i); });
            }
        }
        if (!f.label.empty()) {
            w.label = new QLabel(qs(f.designLabel), this);
            w.label->setObjectName(qs(f.label));
            w.label->setTextFormat(Qt::PlainText);
            w.label->setBuddy(w.widget);
        }
        if (f.access == Access::ReadOnly) {
            w.widget->setEnabled(false);
        }
        if (f.access == Access::Hidden) {
            w.widget->hide();
            if (w.label != nullptr) {
                w.label->hide();
            }
        }
    }
}

void PageWindow::buildButtons() {
    cmdread_ = new QPushButton(QStringLiteral("read"), this);
    cmdread_->setObjectName(QStringLiteral("cmdread"));
    connect(cmdread_, &QPushButton::clicked, this, &PageWindow::cmdread_Click);
    cmdwrite_ = new QPushButton(QStringLiteral("write"), this);
    cmdwrite_->setObjectName(QStringLiteral("cmdwrite"));
    connect(cmdwrite_, &QPushButton::clicked, this, &PageWindow::cmdwrite_Click);

    for (const PageButton& extra : schema_.buttons) {
        auto* b = new QPushButton(qs(extra.caption), this);
        b->setObjectName(qs(extra.name));
        connect(b, &QPushButton::clicked, this, [this, &extra] {
            (void)transport_.send(page_request(schema_, schema_.codes.reset));
            if (const auto target = field_index(schema_, extra.field)) {
                if (auto* edit = qobject_cast<QLineEdit*>(widgets_[*target].widget)) {
                    edit->setText(qs(extra.text));
                }
            }
        });
    }
}

void PageWindow::buildLayout() {
    // A row is a label with one field, or with a run of sameRow boxes (shown below the label).
    struct Row {
        QLabel* label = nullptr;
        std::vector<QWidget*> fields;
    };
    std::vector<Row> rows;
    for (std::size_t i = 0; i < schema_.fields.size(); ++i) {
        const FieldSchema& f = schema_.fields[i];
        if (f.access == Access::Hidden || widgets_[i].widget == nullptr) {
            continue;
        }
        if (f.sameRow && !rows.empty()) {
            rows.back().fields.push_back(widgets_[i].widget);
            continue;
        }
        rows.push_back({widgets_[i].label, {widgets_[i].widget}});
    }

    int rowSlots = 0;
    for (const Row& r : rows) {
        rowSlots += r.fields.size() > 1 ? 2 : 1;
    }
    const int columns = rowSlots > 2 * kRowsPerColumn ? 3 : 2;
    const int perColumn = (rowSlots + columns - 1) / columns;

    // A field with a note is placed with it in one cell; both stay children of the page, so
    // the label's buddy relation (what screen readers announce) is kept.
    auto cell = [this](QWidget* field) -> QLayout* {
        for (const FieldWidgets& w : widgets_) {
            if (w.widget == field && w.note != nullptr) {
                auto* stack = new QVBoxLayout;
                stack->setContentsMargins(0, 0, 0, 0);
                stack->setSpacing(1);
                stack->addWidget(field);
                stack->addWidget(w.note);
                return stack;
            }
        }
        return nullptr;
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    int column = 0;
    int gridRow = 0;
    for (const Row& r : rows) {
        const int height = r.fields.size() > 1 ? 2 : 1;
        if (gridRow > 0 && gridRow + height > perColumn && column + 1 < columns) {
            ++column;
            gridRow = 0;
        }
        // Each column is label, field and a gap to the next column.
        const int c = column * 3;
        if (r.fields.size() > 1) {
            if (r.label != nullptr) {
                grid->addWidget(r.label, gridRow, c, 1, 2);
            }
            auto* boxes = new QHBoxLayout;
            boxes->setSpacing(4);
            for (QWidget* w : r.fields) {
                w->setMaximumWidth(kGroupBoxWidth);
                if (QLayout* stack = cell(w)) {
                    boxes->addLayout(stack);
                } else {
                    boxes->addWidget(w);
                }
            }
            boxes->addStretch(1);
            grid->addLayout(boxes, gridRow + 1, c, 1, 2);
        } else if (r.label != nullptr) {
            grid->addWidget(r.label, gridRow, c);
            if (QLayout* stack = cell(r.fields.front())) {
                grid->addLayout(stack, gridRow, c + 1);
            } else {
                grid->addWidget(r.fields.front(), gridRow, c + 1);
            }
        } else {
            // A check box carries its own caption across both cells.
            grid->addWidget(r.fields.front(), gridRow, c, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
        }
        gridRow += height;
    }
    for (int col = 0; col + 1 < columns; ++col) {
        grid->setColumnMinimumWidth(col * 3 + 2, 16);
    }
    for (int col = 0; col < columns; ++col) {
        grid->setColumnStretch(col * 3 + 1, 1);
    }

    auto* buttons = new QHBoxLayout;
    lblEdited_ = new QLabel(this);
    lblEdited_->setObjectName(QStringLiteral("lblEdited"));
    lblEdited_->setTextFormat(Qt::PlainText);
    lblEdited_->hide();
    buttons->addWidget(lblEdited_);
    buttons->addStretch(1);
    for (const PageButton& extra : schema_.buttons) {
        buttons->addWidget(findChild<QPushButton*>(qs(extra.name)));
    }
    buttons->addWidget(cmdread_);
    buttons->addWidget(cmdwrite_);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addStretch(1);
    outer->addLayout(buttons);
}

void PageWindow::applyCaptions() {
    setWindowTitle(tq("Pages", schema_.title));
    for (std::size_t i = 0; i < schema_.fields.size(); ++i) {
        const FieldSchema& f = schema_.fields[i];
        FieldWidgets& w = widgets_[i];
        if (w.widget == nullptr) {
            continue;
        }
        if (w.label != nullptr) {
            w.label->setText(tq("Pages", f.caption));
        }
        if (f.widget == Widget::Check) {
            static_cast<QCheckBox*>(w.widget)->setText(tq("Pages", f.caption));
        }
        w.widget->setAccessibleName(tq("Pages", field_caption(schema_, f)));
    }
    cmdread_->setText(tr("read"));
    cmdwrite_->setText(tr("write"));
    for (const PageButton& extra : schema_.buttons) {
        if (auto* b = findChild<QPushButton*>(qs(extra.name))) {
            b->setText(tq("Pages", extra.caption));
        }
    }
    updateEditedLine();
}

void PageWindow::decodeReply(const Unit& unit) {
    // Start from what the widgets show, so fields no byte carries keep what the user typed.
    state_ = collectState();
    decode_into(schema_, unit, state_, system_number_format());
    // The reply is now what "edited" is measured against; mirroring clears the marks.
    replyTexts_.assign(schema_.fields.size(), std::nullopt);
    for (std::size_t i = 0; i < schema_.fields.size(); ++i) {
        const FieldSchema& f = schema_.fields[i];
        if (widgets_[i].widget != nullptr && f.access == Access::Editable &&
            f.kind != FieldKind::Unbound) {
            replyTexts_[i] = shown_text(f, state_.fields[i]);
        }
    }
    mirrorAll();
    for (std::size_t i = 0; i < schema_.fields.size(); ++i) {
        onFieldChanged(i);
    }
}

void PageWindow::setLinkButtonsEnabled(bool enabled) {
    if (cmdread_->isEnabled() != enabled) {
        cmdread_->setEnabled(enabled);
    }
    if (cmdwrite_->isEnabled() != enabled) {
        cmdwrite_->setEnabled(enabled);
    }
}

PageState PageWindow::collectState() const {
    PageState s = state_;
    for (std::size_t i = 0; i < schema_.fields.size(); ++i) {
        const FieldSchema& f = schema_.fields[i];
        FieldState& fs = s.fields[i];
        QWidget* w = widgets_[i].widget;
        if (w == nullptr) {
            continue; // no control: the state keeps what the last reply put there
        }
        switch (f.widget) {
        case Widget::None:
            break;
        case Widget::Text:
            fs.text = static_cast<QLineEdit*>(w)->text().toStdString();
            break;
        case Widget::List:
        case Widget::EditableList: {
            const auto* combo = static_cast<QComboBox*>(w);
            fs.index = combo->currentIndex();
            fs.text = combo->currentText().toStdString();
            break;
        }
        case Widget::Check:
            fs.check = from_qt(static_cast<QCheckBox*>(w)->checkState());
            break;
        }
        if (f.access == Access::Editable) {
            fs.enabled = w->isEnabledTo(this);
        }
    }
    return s;
}

void PageWindow::mirrorAll() {
    for (std::size_t i = 0; i < schema_.fields.size(); ++i) {
        mirrorField(i);
    }
}

void PageWindow::mirrorField(std::size_t i) {
    const FieldSchema& f = schema_.fields[i];
    const FieldState& fs = state_.fields[i];
    QWidget* w = widgets_[i].widget;
    if (w == nullptr) {
        return;
    }
    switch (f.widget) {
    case Widget::None:
        break;
    case Widget::Text: {
        auto* edit = static_cast<QLineEdit*>(w);
        const QString text = QString::fromStdString(fs.text);
        if (edit->text() != text) {
            edit->setText(text);
        }
        break;
    }
    case Widget::List:
    case Widget::EditableList: {
        auto* combo = static_cast<QComboBox*>(w);
        combo->setCurrentIndex(fs.index >= 0 && fs.index < combo->count() ? fs.index : -1);
        if (f.widget == Widget::EditableList) {
            const QString text = QString::fromStdString(fs.text);
            if (combo->currentText() != text) {
                combo->setEditText(text);
            }
        }
        break;
    }
    case Widget::Check: {
        auto* check = static_cast<QCheckBox*>(w);
        check->setTristate(fs.check == CheckState::Grayed);
        check->setCheckState(to_qt(fs.check));
        break;
    }
    }
    if (f.access == Access::Editable) {
        w->setEnabled(fs.enabled);
    }
}

void PageWindow::onCheckClicked(std::size_t i) {
    const FieldSchema& f = schema_.fields[i];
    auto* check = static_cast<QCheckBox*>(widgets_[i].widget);
    // A click never leaves a box grayed; only a reply can.
    check->setTristate(false);
    if (f.enables.empty()) {
        return;
    }
    const auto target = field_index(schema_, f.enables);
    if (target && schema_.fields[*target].access == Access::Editable) {
        widgets_[*target].widget->setEnabled(check->checkState() == Qt::Checked);
    }
}

std::string PageWindow::currentText(std::size_t i) const {
    const FieldSchema& f = schema_.fields[i];
    FieldState fs;
    QWidget* w = widgets_[i].widget;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        fs.text = edit->text().toStdString();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        fs.index = combo->currentIndex();
        fs.text = combo->currentText().toStdString();
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        fs.check = from_qt(check->checkState());
    }
    return shown_text(f, fs);
}

void PageWindow::onFieldChanged(std::size_t i) {
    if (widgets_[i].widget == nullptr) {
        return;
    }
    updateNote(i);
    updateMark(i);
}

void PageWindow::updateNote(std::size_t i) {
    QLabel* note = widgets_[i].note;
    if (note == nullptr) {
        return;
    }
    const FieldSchema& f = schema_.fields[i];
    const std::string text = currentText(i);
    const std::optional<ReplyOrigin>& origin = state_.fields[i].origin;
    // An unchanged text is written back as the reply carried it: nothing to forecast.
    StoredPreview p;
    if (state_.filled && !(origin && origin->text == text)) {
        p = preview_stored(f, text, system_number_format());
    }
    const QString shown = note_text(p);
    if (note->text() != shown) {
        note->setText(shown);
        note->setStyleSheet(p.kind == StoredPreview::Kind::Refused
                                ? QStringLiteral("color: #c00000;")
                                : QStringLiteral("color: #505050;"));
    }
    note->setVisible(!shown.isEmpty());
}

void PageWindow::updateMark(std::size_t i) {
    FieldWidgets& w = widgets_[i];
    const bool edited =
        i < replyTexts_.size() && replyTexts_[i] && *replyTexts_[i] != currentText(i);
    if (edited == w.edited && !edited) {
        return;
    }
    w.edited = edited;
    QFont font = w.widget->font();
    font.setBold(edited);
    w.widget->setFont(font);
    if (!edited) {
        w.widget->setToolTip(QString());
    } else {
        const FieldSchema& f = schema_.fields[i];
        std::string held = *replyTexts_[i];
        if (f.widget == Widget::Check) {
            held = held == "1" ? "ticked" : held == "2" ? "grayed" : "not ticked";
        }
        w.widget->setToolTip(tr("controller holds %1").arg(qs(held)));
    }
    updateEditedLine();
}

int PageWindow::editedCount() const {
    return static_cast<int>(std::count_if(widgets_.begin(), widgets_.end(),
                                          [](const FieldWidgets& w) { return w.edited; }));
}

void PageWindow::updateEditedLine() {
    const int n = editedCount();
    lblEdited_->setText(n == 1 ? tr("1 field edited, not written")
                               : tr("%1 fields edited, not written").arg(n));
    lblEdited_->setVisible(n > 0);
}

void PageWindow::cmdread_Click() {
    (void)transport_.send(frame_set().read(schema_.id));
}

void PageWindow::cmdwrite_Click() {
    PageState s = collectState();
    if (!s.filled) {
        // Design-time texts are placeholders, not the controller's values.
        showMessage(tr("info"), tr("Read the parameters from the controller before writing them."),
                    false);
        return;
    }
    Result<Unit> frame = encode(schema_, s, system_number_format());
    if (!frame.ok()) {
        showMessage(tr("warning"), refusal_text(schema_, s, frame.error()), true);
        return;
    }
    state_ = std::move(s);
    for (std::size_t i = 0; i < schema_.fields.size(); ++i) {
        if (!schema_.fields[i].resetOnWrite.empty()) {
            mirrorField(i);
        }
    }
    (void)transport_.send(frame.value());
}

void PageWindow::showMessage(const QString& title, const QString& text, bool warning) {
    (void)show_message_box(this, warning ? QMessageBox::Warning : QMessageBox::Information, title,
                           text, QStringLiteral("msgPage"));
}

bool PageWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            edit->selectAll();
            // A mouse press that gave the focus places the cursor after this; select again
            // once it has been handled.
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace motiview
