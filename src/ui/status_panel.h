#pragma once
// The live part of frmMain: the status panel frmSysStatus, the fault panel frmErrCode and the
// state, input-status, gear, hall-group and pedal-error labels beside them. It shows what the
// status decoder says and parses nothing itself.

#include "monitor/status_frame.h"

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;

namespace motiview {

class MonitorView final : public QWidget {
    Q_OBJECT
  public:
    explicit MonitorView(QWidget* parent = nullptr);

    // One decoded status frame: texts, colours and description visibility, by label name.
    void apply(const StatusView& view);

    // Start-up reset: "***" in the 19 value labels of the status panel, nothing else.
    void resetLiveValues();

    // The panels' share of the main caption routine: captions, frame titles and font, column
    // titles, description texts and the all-"H" input block. Cells, colours and visibility
    // stay as they are.
    void applyCaptions();

    // The label with this control name, or nullptr.
    [[nodiscard]] QLabel* label(std::string_view name) const;

    // Values that are not live: the panels dimmed and `line` across them ("Last data at
    // 14:03:27"); no line and full strength when they are live. No text of a panel changes.
    void setDataNotice(bool dim, const QString& line);
    [[nodiscard]] bool dimmed() const { return dimmed_; }
    [[nodiscard]] QLabel* dataNotice() const { return notice_; }
    [[nodiscard]] QWidget* veil() const { return veil_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* makeLabel(QWidget* parent, std::string_view name, const QString& text);
    QLabel* makeValue(QWidget* parent, std::string_view name);
    QLabel* makeCell(QWidget* parent, std::string_view name);
    QWidget* buildStatusPanel();
    QWidget* buildStateBlock();
    QWidget* buildFaultPanel();

    QGroupBox* frmSysStatus_ = nullptr;
    QGroupBox* frmErrCode_ = nullptr;
    std::map<std::string, QLabel*, std::less<>> labels_;
    std::vector<QLabel*> values_; // the 19 value labels, top to bottom
    QWidget* veil_ = nullptr;     // over the panels while they are dimmed
    QLabel* notice_ = nullptr;    // lblDataNotice, over the veil
    bool dimmed_ = false;
    void placeNotice();
};

} // namespace motiview
