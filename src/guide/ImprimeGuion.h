#pragma once
// A guide chapter printed as a PDF file on A4 pages.

class QIODevice;
class QSizeF;
class QString;
class QTextDocument;

namespace varlek::guia {

// Lays the document out on pages of `pagina` (in the window's pixels),
// without a margin of its own. A paragraph marked kConSiguiente
// (DocumentoQt.h) that would stand on another page than the paragraph after
// it starts a new page instead, together with the marked paragraphs just
// before it.
void PaginaDocumento(QTextDocument& doc, const QSizeF& pagina);

// Lays the document out on A4 pages with 20 mm margins at the resolution
// the window shows it in, then paints each page scaled to the PDF's, with
// its number at the foot; indents and tab stops keep their proportions.
// The PDF goes to `destino`, open for writing; false when it cannot be painted.
bool ImprimePdf(QTextDocument& doc, QIODevice& destino, const QString& titulo);

}  // namespace varlek::guia
