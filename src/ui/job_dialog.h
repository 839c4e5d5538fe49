#pragma once
// The service job's two dialogs: "Start job" asks for the job number, the technician, the vehicle
// or customer and the complaint; "Finish job" for the work done. Opened without a nested event
// loop; Ok stays disabled until what a report needs is filled in.

#include <QDialog>
#include <QString>

#include <cstdint>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace motiview {

struct JobFields {
    QString number;
    QString technician;
    QString vehicle;
    QString complaint;
    QString workDone;
};

class JobDialog final : public QDialog {
    Q_OBJECT
  public:
    enum class Mode : std::uint8_t { Start, Finish };

    // Finish shows the job's fields read-only above the work done.
    JobDialog(Mode mode, const JobFields& fields, QWidget* parent = nullptr);

    [[nodiscard]] Mode mode() const { return mode_; }
    // What is filled in, trimmed.
    [[nodiscard]] JobFields fields() const;

  protected:
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    // Title, the fields' labels and the buttons, in the window's language.
    void applyCaptions();
    void applyButtonCaptions();
    void updateOk();
    [[nodiscard]] static int start_height(const QPlainTextEdit* e);

    Mode mode_;
    QLineEdit* number_ = nullptr;
    QLineEdit* technician_ = nullptr;
    QLineEdit* vehicle_ = nullptr;
    QPlainTextEdit* complaint_ = nullptr;
    QPlainTextEdit* workDone_ = nullptr;
    QLabel* numberLabel_ = nullptr;
    QLabel* technicianLabel_ = nullptr;
    QLabel* vehicleLabel_ = nullptr;
    QLabel* complaintLabel_ = nullptr;
    QLabel* workDoneLabel_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace motiview
