#pragma once
// The live part of frmMain: the status panel frmSysStatus, the fault panel frmErrCode and the
// state, input, gear, hall-group and pedal-error labels around them.

#include "monitor/status_frame.h"

#include <QHash>
#include <QString>
#include <QWidget>

class QLabel;
class QGroupBox;

namespace motiview {

class MonitorView final : public QWidget {
    Q_OBJECT
  public:
    explicit MonitorView(QWidget* parent = nullptr);

    // Writes a decoded status frame: texts (plain), colours, description visibility.
    void apply(const StatusView& view);
    // Start-up reset: "***" in the nineteen value labels.
    void resetLiveValues();
    // The panels' part of the main caption routine; cell texts, colours and visibility stay.
    void applyCaptions();

    [[nodiscard]] QLabel* label(std::string_view name) const;

  private:
    QLabel* make(const char* name, const QString& text, QWidget* parent);

    QHash<QString, QLabel*> labels_;
    QGroupBox* frmSysStatus_ = nullptr;
    QGroupBox* frmErrCode_ = nullptr;
};

} // namespace motiview
