// The live plot's load on Qt Charts; see plot_bench.h.
#include "plot_bench.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

int main(int argc, char** argv) {
    return plot_bench::run(argc, argv, "qtcharts", [] {
        auto* chart = new QChart;
        auto* x = new QValueAxis;
        auto* left = new QValueAxis;
        auto* right = new QValueAxis;
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(left, Qt::AlignLeft);
        chart->addAxis(right, Qt::AlignRight);
        left->setRange(-150, 200);
        right->setRange(-150, 200);
        QList<QLineSeries*> series;
        for (int c = 0; c < plot_bench::kCurves; ++c) {
            auto* s = new QLineSeries;
            s->setName(QStringLiteral("curve %1").arg(c));
            s->setPen(QPen(QColor::fromHsv(c * 60, 200, 200)));
            chart->addSeries(s);
            s->attachAxis(x);
            s->attachAxis(c < 3 ? left : right);
            series.append(s);
        }
        auto* view = new QChartView(chart);
        plot_bench::Plot p;
        p.widget = [view] { return view; };
        p.fill = [series](const QVector<double>& t, const QVector<QVector<double>>& v) {
            for (int c = 0; c < plot_bench::kCurves; ++c) {
                QList<QPointF> points;
                points.reserve(t.size());
                for (qsizetype i = 0; i < t.size(); ++i) {
                    points.append(QPointF(t[i], v[c][i]));
                }
                series[c]->replace(points);
            }
        };
        p.append = [series](double t, const double* v) {
            for (int c = 0; c < plot_bench::kCurves; ++c) {
                QLineSeries* s = series[c];
                s->append(t, v[c]);
                if (s->count() > plot_bench::kWindowSamples) {
                    s->removePoints(0, s->count() - plot_bench::kWindowSamples);
                }
            }
        };
        p.redraw = [view, x](double t) {
            x->setRange(t - plot_bench::kWindowSamples * plot_bench::kStepSeconds, t);
            view->viewport()->repaint();
        };
        return p;
    });
}
