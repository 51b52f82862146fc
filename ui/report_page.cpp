#include "ui/report_page.h"

#include "core/life_cycle_report.h"
#include "ui/page_rules.h"
#include "ui/report_layouts.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace pumpvale {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr qreal kMarginMm = 18;
constexpr qreal kTablePt = 9;
constexpr qreal kBodyPt = 10;
constexpr qreal kHeadingPt = 12;
constexpr qreal kTitlePt = 15;
constexpr qreal kRunningPt = 9;
constexpr qreal kChartHeightPerWidth = 0.62;
constexpr std::size_t kWholeTableRows = 10; // a table this short is never split
constexpr std::size_t kLeastRowsApart = 3;  // rows of a longer table on each side of a page break
constexpr qreal kLeastPageShare = 0.21;     // a fifth of the page in text, and its rows' padding

QFont pageFont(qreal points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    // Latin text needs no shaping; without it no ligature reaches the PDF's text layer.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Lengths in the device's units.
struct Units {
    qreal dpi;
    qreal mm(qreal millimetres) const { return millimetres * dpi / 25.4; }
    qreal pt(qreal points) const { return points * dpi / 72; }
};

// A piece of the page that is never split: its height, and how to paint it at a height on the page.
struct Block {
    qreal height = 0;
    std::function<void(QPainter&, qreal)> paint;
    bool keepWithNext = false;
    const std::function<void(QPainter&, qreal)>* repeatedHeader = nullptr; // a table row's header row
    qreal repeatedHeaderHeight = 0;
    qreal spaceBefore = 0; // dropped at the top of a page
};

class PagePainter {
public:
    PagePainter(QPagedPaintDevice& device, const ReportPage& page)
        : device_(device), page_(page), units_{qreal(device.logicalDpiY())} {
        device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
        const QRectF paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
        area_ = QRectF(0, 0, paint.width(), paint.height());
        const qreal running = QFontMetricsF(pageFont(kRunningPt), &device).height();
        top_ = running + units_.mm(4);
        bottom_ = area_.height() - running - units_.mm(4);
        build();
        balance();
    }

    int pageCount() { return lay(nullptr); }

    void paint(int pages, PageSpan span) {
        pages_ = pages;
        span_ = {std::clamp(span.first, 1, pages), std::clamp(span.last, 1, pages)};
        if (span_.first > span_.last)
            return;
        QPainter painter(&device_);
        lay(&painter);
    }

private:
    QFontMetricsF metrics(const QFont& font) const { return {font, &device_}; }

    qreal textHeight(const QFont& font, const QString& text, qreal width, int flags) const {
        return metrics(font).boundingRect(QRectF(0, 0, width, 1e9), flags, text).height();
    }

    // A paragraph; a bullet hangs in the indent before it.
    void paragraph(const QString& text, const QFont& font, qreal before, bool keep,
                   const QString& bullet = {}) {
        const qreal indent = bullet.isEmpty() ? 0 : units_.mm(4);
        const qreal width = area_.width() - indent;
        const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
        blocks_.push_back({textHeight(font, text, width, flags),
                           [=](QPainter& p, qreal y) {
                               p.setFont(font);
                               if (!bullet.isEmpty())
                                   p.drawText(QRectF(0, y, indent, 1e6), flags, bullet);
                               p.drawText(QRectF(indent, y, width, 1e6), flags, text);
                           },
                           keep, nullptr, 0, before});
    }

    void table(const LayoutTable& t) {
        const QFont body = pageFont(kTablePt);
        const QFont bold = pageFont(kTablePt, true);
        const qreal pad = units_.mm(1.2);
        const qreal vpad = units_.mm(0.7);
        const std::vector<qreal> widths = columnWidths(t, metrics(body), metrics(bold), area_.width(), pad);
        const bool squeezed = [&] {
            qreal sum = 0;
            for (qreal w : widths)
                sum += w;
            return sum > area_.width() + 0.5;
        }();
        const int wrap = squeezed ? Qt::TextWrapAnywhere : Qt::TextWordWrap;
        // One row of cells: its height, and how to paint it.
        const auto rowBlock = [=, this](const std::vector<QString>& cells, const std::vector<bool>& right,
                                        bool header) {
            const QFont& font = header ? bold : body;
            qreal height = 0;
            for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i)
                height = std::max(height, textHeight(font, cells[i], widths[i] - 2 * pad, wrap));
            height += 2 * vpad;
            const auto paint = [=, this](QPainter& p, qreal y) {
                p.setFont(font);
                if (header)
                    p.fillRect(QRectF(0, y, area_.width(), height), QColor(0xe4, 0xe4, 0xe4));
                qreal x = 0;
                for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i) {
                    const Qt::Alignment align = (right[i] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
                    p.drawText(QRectF(x + pad, y + vpad, widths[i] - 2 * pad, height), int(align) | wrap,
                               cells[i]);
                    x += widths[i];
                }
                p.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), units_.pt(0.4)));
                p.drawLine(QPointF(0, y + height), QPointF(area_.width(), y + height));
                p.setPen(Qt::black);
            };
            return std::pair(height, std::function<void(QPainter&, qreal)>(paint));
        };
        paragraph(q(t.heading), pageFont(kHeadingPt, true), units_.mm(5), true);
        std::vector<QString> names;
        for (const LayoutColumn& column : t.columns)
            names.push_back(q(column.header()));
        auto [headerHeight, header] = rowBlock(names, std::vector<bool>(names.size(), false), true);
        headers_.push_back(std::make_unique<std::function<void(QPainter&, qreal)>>(header));
        const auto* repeated = headers_.back().get();
        blocks_.push_back({headerHeight, header, true, nullptr, 0, units_.mm(1)});
        // A sentence (why the PC pump alone) goes under the table, as a note: as a row it would squeeze
        // the other columns to a word a line.
        std::vector<QString> notes;
        const std::size_t first = blocks_.size();
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            if (isSentenceRow(t, r)) {
                notes.push_back(q(t.rows[r].front().text) + QStringLiteral(": ") + q(t.rows[r][1].text));
                continue;
            }
            std::vector<QString> cells;
            std::vector<bool> right;
            for (const LayoutCell& cell : t.rows[r]) {
                cells.push_back(q(cell.text));
                right.push_back(cell.number);
            }
            auto [height, paint] = rowBlock(cells, right, false);
            blocks_.push_back({height, paint, false, repeated, headerHeight, 0});
        }
        tableEnd(first, notes);
    }

    // The rows of a table from block first on, then its notes: a short table stands whole on one page; a
    // longer one breaks with three rows or more on each side, and keeps its notes with its last row.
    void tableEnd(std::size_t first, const std::vector<QString>& notes) {
        const std::size_t rows = blocks_.size() - first;
        for (std::size_t i = first; i < blocks_.size(); ++i) {
            const std::size_t row = i - first;
            blocks_[i].keepWithNext =
                rows <= kWholeTableRows || row < kLeastRowsApart - 1 || row + kLeastRowsApart >= rows;
            if (row + 1 == rows)
                blocks_[i].keepWithNext = !notes.empty();
        }
        for (const QString& note : notes)
            paragraph(note, pageFont(kTablePt), units_.mm(1.5), false);
    }

    void chart() {
        const qreal height = area_.width() * kChartHeightPerWidth;
        const CostChartView view = *page_.chart;
        const qreal width = area_.width();
        paragraph(QString::fromLatin1(kCostChartHeading), pageFont(kHeadingPt, true), units_.mm(5), true);
        blocks_.push_back({height,
                           [=](QPainter& p, qreal y) {
                               p.setFont(pageFont(kTablePt));
                               drawCostChart(p, QRectF(0, y, width, height), view, ChartColours{});
                           },
                           false, nullptr, 0, units_.mm(2)});
    }

    void ownershipChart() {
        const qreal height = area_.width() * kChartHeightPerWidth;
        const OwnershipChartData data = *page_.ownershipChart;
        const qreal width = area_.width();
        paragraph(QString::fromLatin1(kOwnershipChartHeading), pageFont(kHeadingPt, true), units_.mm(5),
                  true);
        blocks_.push_back({height,
                           [=](QPainter& p, qreal y) {
                               p.setFont(pageFont(kTablePt));
                               drawOwnershipChart(p, QRectF(0, y, width, height), data, ChartColours{});
                           },
                           false, nullptr, 0, units_.mm(2)});
    }

    void build() {
        const ReportLayout& layout = page_.layout;
        paragraph(q(layout.title), pageFont(kTitlePt, true), 0, false);
        for (const IdentityLine& line : layout.identity)
            paragraph(q(identityText(line)), pageFont(kBodyPt, true), units_.mm(1.5), false);
        if (!layout.dutyPoint.empty())
            paragraph(QStringLiteral("Duty point: ") + q(layout.dutyPoint), pageFont(kBodyPt), units_.mm(2),
                      false);
        if (!layout.summary.rows.empty())
            table(layout.summary);
        if (!layout.verdict.empty())
            paragraph(q(layout.verdict), pageFont(kBodyPt, true), units_.mm(2), false);
        for (const LayoutTable& t : layout.tables) {
            table(t);
            if (page_.chart && t.key == "inlet-sizes")
                chart();
            if (page_.ownershipChart && t.key == life_cycle_keys::kPaybackByYear)
                ownershipChart();
        }
        paragraph(q(layout.notesHeading), pageFont(kHeadingPt, true), units_.mm(5), true);
        for (const std::string& note : layout.notes)
            paragraph(q(note), pageFont(kBodyPt), units_.mm(1), false, QStringLiteral("•"));
    }

    // The height block i needs on its page: with the blocks it keeps with.
    qreal needed(std::size_t i) const {
        qreal height = blocks_[i].height;
        for (std::size_t j = i; blocks_[j].keepWithNext && j + 1 < blocks_.size(); ++j)
            height += blocks_[j + 1].spaceBefore + blocks_[j + 1].height;
        return height;
    }

    // The running header and footer; page 1 carries the title and the duty point in full, so its header
    // is left out.
    void running(QPainter& p, int number) const {
        const QFont font = pageFont(kRunningPt);
        p.setFont(font);
        const qreal line = metrics(font).height();
        if (number > 1) {
            const RunningHeader header =
                runningHeader(page_.layout, metrics(font), area_.width(), units_.mm(6));
            p.drawText(QRectF(0, 0, area_.width(), line), Qt::AlignLeft | Qt::AlignTop, header.left);
            p.drawText(QRectF(0, 0, area_.width(), line), Qt::AlignRight | Qt::AlignTop, header.right);
            p.setPen(QPen(Qt::black, units_.pt(0.5)));
            p.drawLine(QPointF(0, line + units_.mm(1)), QPointF(area_.width(), line + units_.mm(1)));
        }
        p.setPen(QPen(Qt::black, units_.pt(0.5)));
        const qreal foot = area_.height() - line;
        p.drawLine(QPointF(0, foot - units_.mm(1)), QPointF(area_.width(), foot - units_.mm(1)));
        p.drawText(QRectF(0, foot, area_.width(), line), Qt::AlignLeft | Qt::AlignTop,
                   programAndVersion() + QStringLiteral(" · ") + pageDate(page_.when));
        p.drawText(QRectF(0, foot, area_.width(), line), Qt::AlignRight | Qt::AlignTop,
                   QStringLiteral("page %1 of %2").arg(number).arg(pages_));
    }

    // Places every block on the pages (a page break before a block marked in breaks_, or where it does
    // not fit), painting those of the span when there is a painter; returns the number of pages.
    int lay(QPainter* p) {
        int page = 1;
        qreal y = top_;
        placed_.assign(blocks_.size(), {});
        // The painter, while the page being laid is one to paint.
        const auto on = [&]() {
            return p != nullptr && page >= span_.first && page <= span_.last ? p : nullptr;
        };
        if (QPainter* painter = on())
            running(*painter, page);
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            const Block& block = blocks_[i];
            const bool atTop = y <= top_;
            const qreal start = atTop ? y : y + block.spaceBefore;
            if (!atTop && (breaks_[i] || start + std::min(needed(i), bottom_ - top_) > bottom_)) {
                ++page;
                y = top_;
                if (QPainter* painter = on()) {
                    if (page > span_.first) // the device starts on a page of its own
                        device_.newPage();
                    running(*painter, page);
                }
                if (block.repeatedHeader != nullptr) {
                    if (QPainter* painter = on())
                        (*block.repeatedHeader)(*painter, y);
                    y += block.repeatedHeaderHeight;
                }
            } else {
                y = start;
            }
            if (QPainter* painter = on())
                block.paint(*painter, y);
            placed_[i] = {page, y, y + block.height};
            y += block.height;
        }
        return page;
    }

    // The height of text on a page, from the top of its body to the foot of its last block.
    qreal filled(int page) const {
        qreal foot = top_;
        for (const Placed& at : placed_)
            if (at.page == page)
                foot = std::max(foot, at.bottom);
        return foot - top_;
    }

    // A page break that gives page (not the first) what it lacks of least from the foot of the page before
    // it: the latest break that moves enough and leaves that page least of its own; none if there is none.
    std::optional<std::size_t> breakFor(int page, qreal least) const {
        const qreal lacking = least - filled(page);
        std::size_t end = 0;
        while (end < placed_.size() && placed_[end].page < page)
            ++end;
        for (std::size_t k = end; k-- > 1 && placed_[k].page == page - 1;) {
            if (blocks_[k - 1].keepWithNext || placed_[k - 1].page != page - 1)
                continue;
            if (placed_[end - 1].bottom - placed_[k].top >= lacking)
                return placed_[k].top - top_ >= least ? std::optional(k) : std::nullopt;
        }
        return std::nullopt;
    }

    // No page holds only a few lines: a page (but the first) with less than a fifth of the page's text
    // takes the foot of the page before it. Bounded by the number of blocks, each break made once.
    void balance() {
        breaks_.assign(blocks_.size(), false);
        const qreal least = (bottom_ - top_) * kLeastPageShare;
        for (std::size_t round = 0; round < blocks_.size(); ++round) {
            const int pages = lay(nullptr);
            std::optional<std::size_t> k;
            for (int n = 2; n <= pages && !k; ++n)
                if (filled(n) < least)
                    k = breakFor(n, least);
            if (!k || breaks_[*k])
                return;
            breaks_[*k] = true;
        }
    }

    QPagedPaintDevice& device_;
    const ReportPage& page_;
    Units units_;
    QRectF area_;
    qreal top_ = 0;
    qreal bottom_ = 0;
    int pages_ = 1;
    PageSpan span_;
    std::vector<Block> blocks_;
    struct Placed {
        int page = 0;
        qreal top = 0;
        qreal bottom = 0;
    };
    std::vector<Placed> placed_; // where the last lay put each block
    std::vector<bool> breaks_;   // a page break before the block, made to balance the pages
    std::vector<std::unique_ptr<std::function<void(QPainter&, qreal)>>> headers_;
};

} // namespace

QPageSize localePageSize(const QLocale& locale) {
    const bool letter =
        locale.measurementSystem() == QLocale::ImperialUSSystem || locale.territory() == QLocale::Canada;
    return {letter ? QPageSize::Letter : QPageSize::A4};
}

QString programAndVersion() {
    return QStringLiteral("Pumpvale " PUMPVALE_VERSION);
}

int paintReportPages(QPagedPaintDevice& device, const ReportPage& page, PageSpan span) {
    if (page.orientation)
        device.setPageOrientation(*page.orientation);
    PagePainter painter(device, page);
    const int pages = painter.pageCount();
    painter.paint(pages, span);
    return pages;
}

int reportPageCount(QPagedPaintDevice& device, const ReportPage& page) {
    return PagePainter(device, page).pageCount();
}

} // namespace pumpvale
