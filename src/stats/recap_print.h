// The printed recap: one page with the title in a rounded frame, the player,
// the table of victories and defeats by opponent classement, the totals and
// the estimation line.
#pragma once

#include <QRectF>
#include <QString>

#include <array>
#include <cstdint>

class QPainter;
class QPrinterInfo;

namespace zel {

// What the page shows, read from the recap as it stands.
struct Recap_Page {
    QString title;                       // "Résultat du ... avec tournois" / "sans tournois"
    QString player;                      // name and first name
    std::array<int64_t, 23> victoires{}; // by Classement_Index; 0 prints nothing
    std::array<int64_t, 23> defaites{};
    QString victory_total, defeat_total; // printed whole
    QString classement, estimation;
};

QString RecapTitle(const QString &championship, bool with_tournaments);

// The page's own units: the layout spans this rectangle (it was drawn in the
// device units of a 300 dpi printer, about 10 by 5 inches).
inline constexpr double Recap_Page_Width = 2900;
inline constexpr double Recap_Page_Height = 1500;

// Paints in page units, origin at the page's top-left corner.
void PaintRecapPage(QPainter &painter, const Recap_Page &page);

// Paints the page scaled into `area` (painter coordinates), proportions kept,
// at the top left of the area.
void PaintRecapPage(QPainter &painter, const Recap_Page &page, const QRectF &area);

// Environment variable naming a PDF file that receives the page instead of
// the default printer, without a question (tests and scripts).
inline constexpr const char *Print_Pdf_Variable = "ZEL_PRINT_PDF";

// One A4 page on `printer`; false when it refused the document.
bool PrintOnPrinter(const Recap_Page &page, const QPrinterInfo &printer);
// One A4 page as a PDF file at `path`, its owner's alone; false when the file
// could not be written.
bool PrintToPdf(const Recap_Page &page, const QString &path);

} // namespace zel
