// The printed recap.
#include "stats/recap_print.h"

#include "days/classement_scale.h"

#include <QFile>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace zel {

namespace {

// About 1/6 inch at 300 dpi: a column of 120 units holds a three-digit label,
// and the rounded frame (40 units per character of the title) holds the title.
constexpr int Font_Units = 48;

// Text whose top-left corner is at (x, y).
void TextAt(QPainter &p, int x, int y, const QString &text) {
    p.drawText(QRect(x, y, 4000, 2 * Font_Units), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void Count(QPainter &p, int x, int y, int64_t count) {
    if (count <= 0)
        return;
    const QString text = QString::number(count);
    if (text.size() <= 2) {
        // One digit starts 50 units into its column, two digits at its left edge.
        TextAt(p, x + 50 * (2 - int(text.size())), y, text);
        return;
    }
    // Longer counts are centred in the 120-unit column so they never reach
    // the neighbouring one.
    p.drawText(QRect(x, y, 120, 2 * Font_Units), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
}

bool Print(QPagedPaintDevice &device, const Recap_Page &page) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PaintRecapPage(painter, page, QRectF(0, 0, device.width(), device.height()));
    return painter.end();
}

void SetA4(QPagedPaintDevice &device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

} // namespace

QString RecapTitle(const QString &championship, bool with_tournaments) {
    return QStringLiteral("Résultat du ") + championship +
           (with_tournaments ? QStringLiteral(" avec tournois") : QStringLiteral(" sans tournois"));
}

void PaintRecapPage(QPainter &p, const Recap_Page &page) {
    p.save();
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(Font_Units);
    p.setFont(font);
    QPen pen(Qt::black);
    pen.setWidth(3);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);

    p.drawRoundedRect(QRect(500, 115, 40 * int(page.title.size()), 155), 12.5, 12.5);
    TextAt(p, 600, 150, page.title);
    TextAt(p, 80, 380, page.player);
    TextAt(p, 30, 700, QStringLiteral("V"));
    TextAt(p, 30, 850, QStringLiteral("D"));
    for (int i = 0; i <= Scale_Size; ++i) {
        const int x = 80 + 120 * i;
        if (i < Scale_Size) {
            TextAt(p, Full_Scale[i] == "100" ? x + 6 : x + 25, 550,
                   QString::fromLatin1(Full_Scale[i].data(), qsizetype(Full_Scale[i].size())));
            Count(p, x, 700, page.victoires[i]);
            Count(p, x, 850, page.defaites[i]);
        }
        p.drawLine(x, 500, x, 950);
    }
    for (int y : {500, 650, 655, 800, 950})
        p.drawLine(80, y, 2840, y);
    TextAt(p, 80, 1150, QStringLiteral("Victoire(s) : %1").arg(page.victory_total));
    TextAt(p, 80, 1250, QStringLiteral("Défaite(s) : %1").arg(page.defeat_total));
    TextAt(p, 80, 1400, QStringLiteral("Classement %1 : %2 points").arg(page.classement, page.estimation));
    p.restore();
}

void PaintRecapPage(QPainter &p, const Recap_Page &page, const QRectF &area) {
    const double scale = std::min(area.width() / Recap_Page_Width, area.height() / Recap_Page_Height);
    p.save();
    p.translate(area.topLeft());
    p.scale(scale, scale);
    PaintRecapPage(p, page);
    p.restore();
}

bool PrintOnPrinter(const Recap_Page &page, const QPrinterInfo &info) {
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Championnat"));
    SetA4(printer);
    return Print(printer, page);
}

bool PrintToPdf(const Recap_Page &page, const QString &path) {
    bool printed = false;
    {
        QPdfWriter writer(path);
        writer.setTitle(QStringLiteral("Championnat"));
        writer.setCreator(QStringLiteral("Zel Manager"));
        writer.setResolution(300);
        SetA4(writer);
        printed = Print(writer, page);
    }
    return printed && QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace zel
