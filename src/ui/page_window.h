#pragma once
// The one parameter page window. Everything it shows comes from a PageSchema: the fields, their
// labels and lists, the window size and the page's own buttons. Bytes are built and read only
// by the page codec; the window mirrors the codec's PageState into its widgets and back.

#include "link/qt/transport.h"
#include "pages/page_codec.h"
#include "pages/page_schema.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace motiview {

class PageWindow final : public QWidget {
    Q_OBJECT
  public:
    // Form_Load: builds the fields of the table with their design-time texts and captions,
    // then runs the caption routine. The window starts hidden; closing it deletes it.
    PageWindow(const PageSchema& schema, Transport& transport, QWidget* parent = nullptr);
    ~PageWindow() override;

    // The caption routine: title, labels, check box captions, cmdread and cmdwrite.
    void applyCaptions();
    // A reply (or a hall "done" notice) for this page: every bound field is overwritten.
    void decodeReply(const Unit& unit);
    // Timer3 enables the read and write buttons only while the link is online.
    void setLinkButtonsEnabled(bool enabled);

    [[nodiscard]] const PageSchema& schema() const { return schema_; }
    // The widgets' contents as the codec sees them, with the origins of the last reply.
    [[nodiscard]] PageState collectState() const;
    // Editable fields whose shown text differs from the last reply.
    [[nodiscard]] int editedCount() const;

  public slots:
    void cmdread_Click();
    void cmdwrite_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct FieldWidgets {
        QLabel* label = nullptr;
        QWidget* widget = nullptr; // QLineEdit, QComboBox or QCheckBox
        QLabel* note = nullptr;    // what the controller will store, when that differs
        bool edited = false;
    };

    void buildFields();
    void buildLayout();
    void buildButtons();
    void mirrorField(std::size_t i);
    void mirrorAll();
    void onCheckClicked(std::size_t i);
    void onFieldChanged(std::size_t i);
    void updateNote(std::size_t i);
    void updateMark(std::size_t i);
    void updateEditedLine();
    [[nodiscard]] std::string currentText(std::size_t i) const;
    void showMessage(const QString& title, const QString& text, bool warning);

    const PageSchema& schema_;
    Transport& transport_;
    PageState state_;
    std::vector<FieldWidgets> widgets_; // parallel to schema_.fields
    // What the last reply showed in each field the user may edit; empty before any reply.
    std::vector<std::optional<std::string>> replyTexts_;
    QLabel* lblEdited_ = nullptr;
    QPushButton* cmdread_ = nullptr;
    QPushButton* cmdwrite_ = nullptr;
};

} // namespace motiview
