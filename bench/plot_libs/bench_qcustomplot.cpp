// The live plot's load on QCustomPlot (Debian's Qt 6 build); see plot_bench.h.
#include "plot_bench.h"

#include <qcustomplot.h>

int main(int argc, char** argv) {
    return plot_bench::run(argc, argv, "qcustomplot", [] {
        auto* plot = new QCustomPlot;
        for (int c = 0; c < plot_bench::kCurves; ++c) {
            QCPGraph* g = plot->addGraph(plot->xAxis, c < 3 ? plot->yAxis : plot->yAxis2);
            g->setPen(QPen(QColor::fromHsv(c * 60, 200, 200)));
            g->setName(QStringLiteral("curve %1").arg(c));
        }
        plot->yAxis2->setVisible(true);
        plot->legend->setVisible(true);
        plot->yAxis->setRange(-150, 200);
        plot->yAxis2->setRange(-150, 200);
        plot_bench::Plot p;
        p.widget = [plot] { return plot; };
        p.fill = [plot](const QVector<double>& t, const QVector<QVector<double>>& v) {
            for (int c = 0; c < plot_bench::kCurves; ++c) {
                plot->graph(c)->setData(t, v[c], true);
            }
        };
        p.append = [plot](double t, const double* v) {
            for (int c = 0; c < plot_bench::kCurves; ++c) {
                QCPGraph* g = plot->graph(c);
                g->data()->add(QCPGraphData(t, v[c]));
                g->data()->removeBefore(t - plot_bench::kWindowSamples * plot_bench::kStepSeconds);
            }
        };
        p.redraw = [plot](double t) {
            plot->xAxis->setRange(t - plot_bench::kWindowSamples * plot_bench::kStepSeconds, t);
            plot->replot();
        };
        return p;
    });
}
