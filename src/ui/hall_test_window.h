#pragma once
// frmHallTest: a small modeless window that shows how a hall sensor test is going.

#include <QString>
#include <QWidget>

class QLabel;

namespace motiview {

class HallTestWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HallTestWindow(QWidget* parent = nullptr);

    // Plain text: a notice never turns into markup.
    void setText(const QString& text);
    [[nodiscard]] QString text() const;

  private:
    QLabel* lblfrmHallTest_ = nullptr;
};

} // namespace motiview
