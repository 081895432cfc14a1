#include "history/trainingreport.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "history/exercisefilter.h"
#include "history/learningcurve.h"
#include "history/metricstable.h"
#include "history/pathpicture.h"
#include "history/targetstable.h"
#include "storage/exercisetargets.h"
#include "storage/trainingpathsfile.h"

namespace {

// Screen pixels, so that the widgets' drawing keeps its proportions on paper.
constexpr int kResolution = 96;
constexpr qreal kMarginMm = 15;
constexpr int kTitlePoints = 16;
constexpr int kTextPoints = 9;
constexpr qreal kLine = 17;
constexpr qreal kGap = 12;
constexpr qreal kPathsHeight = 280;
constexpr qreal kCurveHeight = 220;
const QColor kInk(30, 30, 30);

// Writes lines of cells down the page, each cell at its column's left edge.
class Page
{
public:
    Page(QPainter &painter, qreal width)
        : painter(painter)
        , width(width)
    {
    }

    void line(const QStringList &cells, const QVector<qreal> &columns = { 0 }, bool bold = false)
    {
        painter.save();
        QFont font = painter.font();
        font.setBold(bold);
        painter.setFont(font);
        for (int i = 0; i < cells.size() && i < columns.size(); ++i) {
            const qreal right = i + 1 < columns.size() ? columns.at(i + 1) : width;
            painter.drawText(QRectF(columns.at(i), y, right - columns.at(i), kLine),
                Qt::AlignLeft | Qt::AlignVCenter, cells.at(i));
        }
        painter.restore();
        y += kLine;
    }

    // A block of the given height, below what was written.
    QRectF block(qreal height)
    {
        const QRectF area(0, y, width, height);
        y += height + kGap;
        return area;
    }

    void gap() { y += kGap; }

private:
    QPainter &painter;
    qreal width;
    qreal y = 0;
};

void drawTargets(Page &page, const TrainingReportContent &content)
{
    const TrainingMetrics &metrics = content.training.stored.metrics;
    if (!metrics.exercise) {
        page.line({ ExerciseFilter::tr("Free training") }, { 0 }, true);
        return;
    }
    page.line({ TargetsTable::headingText(metrics, content.exerciseTitle) }, { 0 }, true);
    for (const TargetResult &result : assessTargets(metrics, metrics.exercise->targets))
        page.line(TargetsTable::cellTexts(result), { 0, 180, 300, 420, 500 });
}

void drawFigures(Page &page, const TrainingMetrics &metrics)
{
    const QVector<qreal> columns { 0, 220, 400 };
    page.line({ MetricsTable::captionText(metrics) }, { 0 }, true);
    page.line({ QString(), MetricsTable::instrumentName(InstrumentLeft),
                  MetricsTable::instrumentName(InstrumentRight) },
        columns, true);
    const QStringList names = MetricsTable::rowNames();
    const QStringList left = MetricsTable::columnTexts(metrics, InstrumentLeft);
    const QStringList right = MetricsTable::columnTexts(metrics, InstrumentRight);
    for (int row = 0; row < names.size(); ++row)
        page.line({ names.at(row), left.at(row), right.at(row) }, columns);
}

} // namespace

bool TrainingReport::write(QIODevice *device, const TrainingReportContent &content)
{
    QPdfWriter writer(device);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
    writer.setTitle(tr("Training report"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const qreal width = writer.width();
    QFont font = painter.font();
    font.setPointSize(kTitlePoints);
    painter.setFont(font);
    painter.setPen(kInk);
    Page page(painter, width);
    page.line({ tr("Training report") }, { 0 }, true);
    page.gap();
    font.setPointSize(kTextPoints);
    painter.setFont(font);
    page.line({ tr("Account: %1").arg(content.account) });
    page.line({ tr("Date: %1").arg(content.training.record.dateText) });
    page.gap();
    const StoredMetrics &stored = content.training.stored;
    drawTargets(page, content);
    page.gap();
    drawFigures(page, stored.metrics);
    page.gap();

    page.line({ tr("Paths of the instruments") }, { 0 }, true);
    const StoredPaths paths = readTrainingPaths(content.training.record.videoPath);
    PathPicture::draw(painter, page.block(kPathsHeight), paths.paths, stored.metrics.pictureSize,
        PathPicture::loadPicture(trainingPicturePath(content.training.record.videoPath)));
    painter.setPen(kInk);
    page.line(
        { tr("Learning curve: %1").arg(LearningCurve::figureName(LearningCurve::PathLength)) }, { 0 }, true);
    const ExerciseTargets targets
        = stored.metrics.exercise ? stored.metrics.exercise->targets : ExerciseTargets();
    LearningCurve::draw(
        painter, page.block(kCurveHeight), content.history, targets, LearningCurve::PathLength, kInk);
    return painter.end();
}
