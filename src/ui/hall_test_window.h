#pragma once
// frmHallTest: a small modeless window that shows how a hall sensor test is going.

#include <QString>
#include <QWidget>

class QEvent;
class QLabel;

namespace motiview {

class HallTestWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HallTestWindow(QWidget* parent = nullptr);

    // Plain text: a notice never turns into markup.
    void setText(const QString& text);
    [[nodiscard]] QString text() const;

  protected:
    void changeEvent(QEvent* e) override;

  private:
    void applyCaptions();

    QLabel* lblfrmHallTest_ = nullptr;
};

} // namespace motiview
