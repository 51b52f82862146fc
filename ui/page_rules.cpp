#include "ui/page_rules.h"

#include <algorithm>

namespace pumpvale {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

std::vector<qreal> columnWidths(const LayoutTable& table, const QFontMetricsF& body,
                                const QFontMetricsF& bold, qreal width, qreal padding) {
    const std::size_t count = table.columns.size();
    std::vector<qreal> want(count, 0);
    std::vector<qreal> least(count, 0);
    std::vector<bool> text(count, true);
    for (std::size_t i = 0; i < count; ++i)
        for (const QString& word : q(table.columns[i].header()).split(' '))
            least[i] = std::max(least[i], bold.horizontalAdvance(word));
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (isSentenceRow(table, r))
            continue;
        const auto& row = table.rows[r];
        for (std::size_t i = 0; i < row.size() && i < count; ++i) {
            const QString cell = q(row[i].text);
            want[i] = std::max(want[i], body.horizontalAdvance(cell));
            if (row[i].number)
                text[i] = false;
            for (const QString& word : cell.split(' '))
                least[i] = std::max(least[i], body.horizontalAdvance(word));
        }
    }
    qreal total = 0;
    // The padding on both sides, and a little more: a cell measured exactly might wrap when drawn.
    const qreal room = 2.5 * padding;
    for (std::size_t i = 0; i < count; ++i) {
        least[i] += room;
        want[i] = std::max(want[i] + room, least[i]);
        total += want[i];
    }
    if (total <= width) {
        // The room left goes first to the headers that would wrap, as far as it reaches (a column of
        // amounts under "PC pump cost to date (US Dollars)" would otherwise stand a word to a line); the
        // last column takes the rest of the line.
        std::vector<qreal> headerNeed(count, 0);
        qreal shortBy = 0;
        for (std::size_t i = 0; i < count; ++i) {
            headerNeed[i] =
                std::max<qreal>(0, bold.horizontalAdvance(q(table.columns[i].header())) + room - want[i]);
            shortBy += headerNeed[i];
        }
        const qreal share = shortBy > width - total ? (width - total) / shortBy : 1;
        for (std::size_t i = 0; i < count; ++i)
            want[i] += headerNeed[i] * share;
        want.back() += std::max<qreal>(0, width - total - shortBy * share);
        return want;
    }
    // Too wide: the widest text columns give up width first, down to a common level (never below their
    // longest word), so a long formula wraps before a short name does.
    qreal fixed = 0;
    qreal leastText = 0;
    qreal widest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i]) {
            leastText += least[i];
            widest = std::max(widest, want[i]);
        } else {
            fixed += want[i];
        }
    }
    if (fixed + leastText <= width) {
        const auto at = [&](qreal level) {
            qreal sum = 0;
            for (std::size_t i = 0; i < count; ++i)
                if (text[i])
                    sum += std::max(least[i], std::min(want[i], level));
            return sum;
        };
        qreal low = 0;
        qreal high = widest;
        for (int step = 0; step < 60; ++step) { // bisection, bounded by count
            const qreal mid = (low + high) / 2;
            (at(mid) + fixed <= width ? low : high) = mid;
        }
        for (std::size_t i = 0; i < count; ++i)
            if (text[i])
                want[i] = std::max(least[i], std::min(want[i], low));
        return want;
    }
    for (qreal& w : want) // still too wide: every column in proportion, words broken anywhere
        w *= width / total;
    return want;
}

RunningHeader runningHeader(const ReportLayout& layout, const QFontMetricsF& font, qreal width, qreal gap) {
    const QString title = q(layout.title);
    const qsizetype colon = title.indexOf(QStringLiteral(": "));
    const QString shortTitle = colon > 0 ? title.left(colon) : title;
    const QString duty = q(layout.dutyPoint);
    const QString tag = layout.identity.empty() ? QString() : q(layout.identity.front().text);
    const auto joined = [&](const QString& point) {
        return tag.isEmpty() || point.isEmpty() ? tag + point : tag + QStringLiteral(" · ") + point;
    };
    const QString labelled = duty.isEmpty() ? QString() : QStringLiteral("Duty point: ") + duty;
    const RunningHeader choices[] = {
        {title, joined(labelled)},  {title, joined(duty)}, {shortTitle, joined(labelled)},
        {shortTitle, joined(duty)}, {shortTitle, duty},    {QString(), duty}};
    for (const RunningHeader& choice : choices) {
        const qreal between = choice.left.isEmpty() || choice.right.isEmpty() ? 0 : gap;
        if (font.horizontalAdvance(choice.left) + between + font.horizontalAdvance(choice.right) <= width)
            return choice;
    }
    return {};
}

} // namespace pumpvale
