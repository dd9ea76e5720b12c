#include "ui/sheet/sheet_pages.h"

#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <functional>
#include <vector>

#include "logic/sheet_header.h"
#include "logic/sheet_texts.h"
#include "ui/sheet/page_text.h"
#include "ui/sheet/profile_chart_picture.h"

namespace korvanta {

namespace {

constexpr double kMargin = 15.0;
constexpr double kBlockGap = 5.0;
constexpr double kTitleHeight = 7.5;
constexpr double kHeaderCellHeight = 8.0;
constexpr double kRowHeight = 3.9;
constexpr double kHeadingHeight = 6.0;
constexpr double kCellPadding = 1.5;
constexpr double kNoticePadding = 1.8;
constexpr double kStationGap = 6.0;
constexpr int kHeaderColumns = 4;

const QColor kRuleColour(90, 90, 90);
const QColor kShadeColour(240, 240, 240);
const QColor kCaptionColour(90, 90, 90);
const QColor kNoticeColour(170, 0, 0);

const PageFont& TitleFont() {
    static const PageFont font(13.0, PageFont::Style::Bold);
    return font;
}
const PageFont& HeadingFont() {
    static const PageFont font(9.5, PageFont::Style::Bold);
    return font;
}
const PageFont& CaptionFont() {
    static const PageFont font(6.0);
    return font;
}
const PageFont& ValueFont() {
    static const PageFont font(8.5);
    return font;
}
const PageFont& TableFont() {
    static const PageFont font(7.0);
    return font;
}
const PageFont& TableHeadFont() {
    static const PageFont font(7.0, PageFont::Style::Bold);
    return font;
}
const PageFont& NoteFont() {
    static const PageFont font(7.5);
    return font;
}
const PageFont& NoticeFont() {
    static const PageFont font(8.5, PageFont::Style::Bold);
    return font;
}

QPen Rule(double width, const QColor& colour = kRuleColour) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QString Elided(const PageFont& font, const QString& text, double width) {
    if (font.Width(text) <= width) {
        return text;
    }
    const QString ellipsis = QStringLiteral("…");
    QString shown = text;
    while (!shown.isEmpty() && font.Width(shown + ellipsis) > width) {
        shown.chop(1);
    }
    return shown + ellipsis;
}

// A part of a page that is placed whole: its height for the page's width, and how it is drawn from
// its top left corner.
struct Block {
    double height = 0.0;
    std::function<void(QPainter&, QPointF, double)> draw;
    bool startsPage = false;
};

// One field of the header: a small caption over its value.
struct HeaderField {
    QString caption;
    QString value;
    int columns = 1;
};

std::vector<std::vector<HeaderField>> HeaderRows(const SheetHeader& header) {
    const JobData& job = header.job;
    return {
        {{QStringLiteral("Pinion part"), FromModel(job.pinionPart)},
         {QStringLiteral("Gear part"), FromModel(job.gearPart)},
         {QStringLiteral("Drawing"), FromModel(job.drawing)},
         {QStringLiteral("Revision"), FromModel(job.revision)}},
        {{QStringLiteral("Inspector"), FromModel(job.inspector)},
         {QStringLiteral("Date"), FromModel(header.date)},
         {QStringLiteral("Pair"), FromModel(header.pairKind)},
         {QStringLiteral("Units"), FromModel(header.units)}},
        {{QStringLiteral("File"), FromModel(header.fileName), 2},
         {QStringLiteral("Program"), FromModel(header.program), 2}},
    };
}

double NoteHeight(const SheetHeader& header, double width) {
    if (header.job.note.empty()) {
        return 0.0;
    }
    return 4.0 + NoteFont().WrappedHeight(FromModel(header.job.note), width - 2.0 * kCellPadding) + 1.0;
}

double NoticeHeight(const std::optional<std::string>& notice, double width) {
    if (!notice) {
        return 0.0;
    }
    return kBlockGap / 2.0 + NoticeFont().WrappedHeight(FromModel(*notice), width - 2.0 * kNoticePadding) +
           2.0 * kNoticePadding;
}

double HeaderHeight(const InspectionSheet& sheet, double width) {
    return kTitleHeight + 3.0 * kHeaderCellHeight + NoteHeight(sheet.header, width) +
           NoticeHeight(sheet.staleNotice, width) + kBlockGap;
}

void DrawHeaderCell(QPainter& painter, const QRectF& cell, const HeaderField& field) {
    painter.setPen(kCaptionColour);
    CaptionFont().Draw(painter, cell.topLeft() + QPointF(kCellPadding, 2.6), field.caption);
    painter.setPen(Qt::black);
    ValueFont().Draw(painter, cell.topLeft() + QPointF(kCellPadding, 7.0),
                     Elided(ValueFont(), field.value, cell.width() - 2.0 * kCellPadding));
}

void DrawHeader(QPainter& painter, const QRectF& body, const InspectionSheet& sheet, int pageIndex,
                int pages) {
    const double left = body.left();
    const double width = body.width();
    double y = body.top();
    painter.setPen(Qt::black);
    TitleFont().Draw(painter, QPointF(left, y + 5.0), QStringLiteral("Inspection Sheet"));
    ValueFont().Draw(painter, QPointF(body.right(), y + 5.0),
                     QStringLiteral("Page %1 of %2").arg(pageIndex + 1).arg(pages), Qt::AlignRight);
    y += kTitleHeight - 1.0;
    painter.setPen(Rule(0.5, Qt::black));
    painter.drawLine(QPointF(left, y), QPointF(body.right(), y));
    y += 1.0;

    const double columnWidth = width / kHeaderColumns;
    const double gridTop = y;
    painter.setPen(Rule(0.15));
    for (const std::vector<HeaderField>& row : HeaderRows(sheet.header)) {
        double x = left;
        for (const HeaderField& field : row) {
            const QRectF cell(x, y, columnWidth * field.columns, kHeaderCellHeight);
            DrawHeaderCell(painter, cell, field);
            x += cell.width();
            if (x < body.right() - 0.1) {
                painter.setPen(Rule(0.15));
                painter.drawLine(QPointF(x, y + 1.0), QPointF(x, y + kHeaderCellHeight - 1.0));
            }
        }
        y += kHeaderCellHeight;
        painter.setPen(Rule(0.15));
        painter.drawLine(QPointF(left, y), QPointF(body.right(), y));
    }
    if (const double note = NoteHeight(sheet.header, width); note > 0.0) {
        painter.setPen(kCaptionColour);
        CaptionFont().Draw(painter, QPointF(left + kCellPadding, y + 2.6), QStringLiteral("Note"));
        painter.setPen(Qt::black);
        NoteFont().DrawWrapped(painter,
                               QRectF(left + kCellPadding, y + 3.4, width - 2.0 * kCellPadding, note),
                               FromModel(sheet.header.job.note));
        y += note;
        painter.setPen(Rule(0.15));
        painter.drawLine(QPointF(left, y), QPointF(body.right(), y));
    }
    painter.setPen(Rule(0.3, Qt::black));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(left, gridTop, width, y - gridTop));

    if (sheet.staleNotice) {
        y += kBlockGap / 2.0;
        const double height = NoticeHeight(sheet.staleNotice, width) - kBlockGap / 2.0;
        const QRectF box(left, y, width, height);
        painter.setPen(Rule(0.5, kNoticeColour));
        painter.drawRect(box);
        painter.setPen(kNoticeColour);
        NoticeFont().DrawWrapped(painter, box.adjusted(kNoticePadding, kNoticePadding, -kNoticePadding, 0.0),
                                 FromModel(*sheet.staleNotice));
    }
}

// A table of captions with a text per member: its rows shaded in turn, the members' texts to the right
// of their columns.
double MemberTableHeight(const std::vector<SheetRow>& rows) {
    return kHeadingHeight + kRowHeight * static_cast<double>(rows.size() + 1);
}

// The name a member's column goes by: "Pinion", "Gear", or "Internal gear" in an internal pair.
QString MemberHeading(const InspectionSheet& sheet, Member member) {
    const bool internal = sheet.header.pairKind == SheetPairKindText(PairKind::Internal);
    return FromModel(SheetMemberName(internal ? PairKind::Internal : PairKind::External, member));
}

void DrawMemberTable(QPainter& painter, QPointF at, double width, const QString& heading,
                     const InspectionSheet& sheet, const std::vector<SheetRow>& rows) {
    painter.setPen(Qt::black);
    HeadingFont().Draw(painter, at + QPointF(0.0, 4.2), heading);
    const double top = at.y() + kHeadingHeight;
    const double captionWidth = width * 0.5;
    const double memberWidth = (width - captionWidth) / 2.0;
    const double baseline = kRowHeight - 1.05;
    const auto valueRight = [&](Member member) {
        return at.x() + captionWidth + memberWidth * (member == Member::Pinion ? 1.0 : 2.0) - kCellPadding;
    };

    for (Member member : kMembers) {
        TableHeadFont().Draw(painter, QPointF(valueRight(member), top + baseline),
                             MemberHeading(sheet, member), Qt::AlignRight);
    }
    painter.setPen(Rule(0.3, Qt::black));
    painter.drawLine(QPointF(at.x(), top + kRowHeight), QPointF(at.x() + width, top + kRowHeight));

    double y = top + kRowHeight;
    bool shaded = false;
    for (const SheetRow& row : rows) {
        if (shaded) {
            painter.fillRect(QRectF(at.x(), y, width, kRowHeight), kShadeColour);
        }
        shaded = !shaded;
        painter.setPen(Qt::black);
        TableFont().Draw(painter, QPointF(at.x() + kCellPadding, y + baseline),
                         Elided(TableFont(), FromModel(row.caption), captionWidth - 2.0 * kCellPadding));
        for (Member member : {Member::Pinion, Member::Gear}) {
            TableFont().Draw(
                painter, QPointF(valueRight(member), y + baseline),
                Elided(TableFont(), FromModel(row.texts[member]), memberWidth - 2.0 * kCellPadding),
                Qt::AlignRight);
        }
        y += kRowHeight;
    }
    painter.setPen(Rule(0.3, Qt::black));
    painter.drawLine(QPointF(at.x(), y), QPointF(at.x() + width, y));
}

// The stations of one member: its name, then a row per station with diameter, roll angle and length.
void DrawStationTable(QPainter& painter, QPointF at, double width, const QString& title,
                      const std::vector<SheetStation>& stations) {
    const double nameWidth = width * 0.31;
    const double valueWidth = (width - nameWidth) / 3.0;
    const double baseline = kRowHeight - 1.05;
    const std::array<QString, 3> heads{QStringLiteral("Diameter"), QStringLiteral("Roll angle (°)"),
                                       QStringLiteral("Roll length")};
    painter.setPen(Qt::black);
    TableHeadFont().Draw(painter, at + QPointF(kCellPadding, baseline), title);
    for (std::size_t column = 0; column < heads.size(); ++column) {
        TableHeadFont().Draw(
            painter,
            at + QPointF(nameWidth + valueWidth * static_cast<double>(column + 1) - kCellPadding, baseline),
            heads[column], Qt::AlignRight);
    }
    painter.setPen(Rule(0.3, Qt::black));
    painter.drawLine(at + QPointF(0.0, kRowHeight), at + QPointF(width, kRowHeight));
    double y = at.y() + kRowHeight;
    bool shaded = false;
    for (const SheetStation& station : stations) {
        if (shaded) {
            painter.fillRect(QRectF(at.x(), y, width, kRowHeight), kShadeColour);
        }
        shaded = !shaded;
        painter.setPen(Qt::black);
        TableFont().Draw(painter, QPointF(at.x() + kCellPadding, y + baseline),
                         Elided(TableFont(), FromModel(station.name), nameWidth - kCellPadding));
        const std::array<const std::string*, 3> values{&station.diameter, &station.rollAngle,
                                                       &station.rollLength};
        for (std::size_t column = 0; column < values.size(); ++column) {
            TableFont().Draw(
                painter,
                QPointF(at.x() + nameWidth + valueWidth * static_cast<double>(column + 1) - kCellPadding,
                        y + baseline),
                FromModel(*values[column]), Qt::AlignRight);
        }
        y += kRowHeight;
    }
    painter.setPen(Rule(0.3, Qt::black));
    painter.drawLine(QPointF(at.x(), y), QPointF(at.x() + width, y));
}

double WrappedLinesHeight(const std::vector<std::string>& lines, double width) {
    double height = 0.0;
    for (const std::string& line : lines) {
        height += NoteFont().WrappedHeight(FromModel(line), width) + 0.8;
    }
    return height;
}

void DrawWrappedLines(QPainter& painter, QPointF at, double width, const std::vector<std::string>& lines,
                      const QString& bullet) {
    const double indent = bullet.isEmpty() ? 0.0 : 3.5;
    double y = at.y();
    painter.setPen(Qt::black);
    for (const std::string& line : lines) {
        const QString text = FromModel(line);
        const double height = NoteFont().WrappedHeight(text, width - indent);
        if (!bullet.isEmpty()) {
            NoteFont().Draw(painter, QPointF(at.x() + 0.8, y + NoteFont().Ascent()), bullet);
        }
        NoteFont().DrawWrapped(painter, QRectF(at.x() + indent, y, width - indent, height + 1.0), text);
        y += height + 0.8;
    }
}

Block DataBlock(const InspectionSheet& sheet) {
    return {MemberTableHeight(sheet.dataBlock), [&sheet](QPainter& painter, QPointF at, double width) {
                DrawMemberTable(painter, at, width, QStringLiteral("Gear data"), sheet, sheet.dataBlock);
            }};
}

Block StationsBlock(const InspectionSheet& sheet, double width) {
    const std::size_t rows = std::max(sheet.stations.pinion.size(), sheet.stations.gear.size());
    const double tables = kHeadingHeight + kRowHeight * static_cast<double>(rows + 1);
    const std::vector<std::string> notice = sheet.singleContactNotice
                                                ? std::vector<std::string>{*sheet.singleContactNotice}
                                                : std::vector<std::string>{};
    const double noticeHeight = notice.empty() ? 0.0 : 1.5 + WrappedLinesHeight(notice, width);
    return {
        tables + noticeHeight, [&sheet, tables, notice](QPainter& painter, QPointF at, double shownWidth) {
            painter.setPen(Qt::black);
            HeadingFont().Draw(painter, at + QPointF(0.0, 4.2), QStringLiteral("Stations along the profile"));
            const double tableWidth = (shownWidth - kStationGap) / 2.0;
            for (Member member : {Member::Pinion, Member::Gear}) {
                const double x = member == Member::Pinion ? 0.0 : tableWidth + kStationGap;
                DrawStationTable(painter, at + QPointF(x, kHeadingHeight), tableWidth,
                                 MemberHeading(sheet, member), sheet.stations[member]);
            }
            DrawWrappedLines(painter, at + QPointF(0.0, tables + 1.5), shownWidth, notice, QString());
        }};
}

Block TolerancesBlock(const InspectionSheet& sheet, double width) {
    const double notes =
        sheet.toleranceNotes.empty() ? 0.0 : 1.5 + WrappedLinesHeight(sheet.toleranceNotes, width);
    if (sheet.tolerances.empty()) {
        return {kHeadingHeight + NoteFont().LineHeight(), [](QPainter& painter, QPointF at, double) {
                    painter.setPen(Qt::black);
                    HeadingFont().Draw(painter, at + QPointF(0.0, 4.2), QStringLiteral("Tolerances"));
                    NoteFont().Draw(
                        painter, at + QPointF(0.0, kHeadingHeight + NoteFont().Ascent()),
                        QStringLiteral("No accuracy class is entered: the profile chart shows the "
                                       "stations only."));
                }};
    }
    const double table = MemberTableHeight(sheet.tolerances);
    return {table + notes, [&sheet, table](QPainter& painter, QPointF at, double shownWidth) {
                DrawMemberTable(painter, at, shownWidth, QStringLiteral("Tolerances"), sheet,
                                sheet.tolerances);
                DrawWrappedLines(painter, at + QPointF(0.0, table + 1.5), shownWidth, sheet.toleranceNotes,
                                 QString());
            }};
}

Block ChecksBlock(const InspectionSheet& sheet, double width) {
    const std::vector<std::string> lines =
        sheet.checks.empty() ? std::vector<std::string>{"None of the checks has anything to remark."}
                             : sheet.checks;
    const QString bullet = sheet.checks.empty() ? QString() : QStringLiteral("•");
    return {kHeadingHeight + WrappedLinesHeight(lines, width - 3.5),
            [lines, bullet](QPainter& painter, QPointF at, double shownWidth) {
                painter.setPen(Qt::black);
                HeadingFont().Draw(painter, at + QPointF(0.0, 4.2), QStringLiteral("Designer's checks"));
                DrawWrappedLines(painter, at + QPointF(0.0, kHeadingHeight), shownWidth, lines, bullet);
            }};
}

Block ChartBlock(const ProfileChart& chart, const ChartScale& scale, double height) {
    return {height, [&chart, scale, height](QPainter& painter, QPointF at, double width) {
                painter.setPen(Qt::black);
                HeadingFont().Draw(painter, at + QPointF(0.0, 4.2), FromModel(chart.title));
                RenderProfileChart(painter,
                                   QRectF(at.x(), at.y() + kHeadingHeight, width, height - kHeadingHeight),
                                   chart, scale);
            }};
}

// The data, the stations and the checks first; the tolerances start the next page, over the two charts
// that are judged by them.
std::vector<Block> BlocksOf(const InspectionSheet& sheet, const ChartScale& scale, double width,
                            double pageBody) {
    std::vector<Block> blocks{DataBlock(sheet), StationsBlock(sheet, width), ChecksBlock(sheet, width),
                              TolerancesBlock(sheet, width)};
    blocks.back().startsPage = true;
    const double chartHeight = (pageBody - blocks.back().height - 2.0 * kBlockGap) / 2.0;
    blocks.push_back(ChartBlock(sheet.charts.pinion, scale, chartHeight));
    blocks.push_back(ChartBlock(sheet.charts.gear, scale, chartHeight));
    return blocks;
}

QRectF BodyOf(const QRectF& page) {
    return page.adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

struct Placed {
    const Block* block = nullptr;
    double top = 0.0; // below the header
};

// The blocks of each page, one after the other from the top of the room below the header; a block
// that does not fit in what is left of a page starts the next one.
std::vector<std::vector<Placed>> PagesOf(const std::vector<Block>& blocks, double pageBody) {
    std::vector<std::vector<Placed>> pages(1);
    double y = 0.0;
    for (const Block& block : blocks) {
        const bool full = y > 0.0 && y + block.height > pageBody;
        if ((block.startsPage || full) && !pages.back().empty()) {
            pages.emplace_back();
            y = 0.0;
        }
        pages.back().push_back({&block, y});
        y += block.height + kBlockGap;
    }
    return pages;
}

double PageBodyHeight(const QRectF& page, const InspectionSheet& sheet) {
    const QRectF body = BodyOf(page);
    return body.height() - HeaderHeight(sheet, body.width());
}

} // namespace

int SheetPageCount(const QSizeF& page, const InspectionSheet& sheet) {
    const QRectF whole(QPointF(0.0, 0.0), page);
    const double pageBody = PageBodyHeight(whole, sheet);
    const std::vector<Block> blocks = BlocksOf(sheet, ChartScale{}, BodyOf(whole).width(), pageBody);
    return static_cast<int>(PagesOf(blocks, pageBody).size());
}

void RenderSheetPage(QPainter& painter, const QRectF& page, const InspectionSheet& sheet, int pageIndex,
                     const ChartScale& scale) {
    const QRectF body = BodyOf(page);
    const double pageBody = PageBodyHeight(page, sheet);
    const std::vector<Block> blocks = BlocksOf(sheet, scale, body.width(), pageBody);
    const std::vector<std::vector<Placed>> pages = PagesOf(blocks, pageBody);
    if (pageIndex < 0 || pageIndex >= static_cast<int>(pages.size())) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    DrawHeader(painter, body, sheet, pageIndex, static_cast<int>(pages.size()));
    const double top = body.top() + HeaderHeight(sheet, body.width());
    for (const Placed& placed : pages[static_cast<std::size_t>(pageIndex)]) {
        placed.block->draw(painter, QPointF(body.left(), top + placed.top), body.width());
    }
    painter.restore();
}

} // namespace korvanta
