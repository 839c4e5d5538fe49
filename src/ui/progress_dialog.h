#pragma once
// Progress of a session with the controller: what is being done, how far, and Cancel. Unlike
// QProgressDialog it never processes events from inside setValue(), so nothing re-enters the
// session that reports to it; it is shown application-modal without a nested event loop.

#include <QDialog>
#include <QString>

class QEvent;
class QLabel;
class QProgressBar;
class QPushButton;

namespace motiview {

class ProgressDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit ProgressDialog(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setValue(int value);
    void setLabelText(const QString& text);
    [[nodiscard]] int value() const;
    [[nodiscard]] QString labelText() const;

  public slots:
    // The Cancel button, Escape and closing the dialog.
    void cancel();

  signals:
    void canceled();

  protected:
    void reject() override { cancel(); }
    void changeEvent(QEvent* e) override;

  private:
    void applyCaptions();

    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QString platformCancel_; // the platform's own word, shown while no translation answers
};

} // namespace motiview
