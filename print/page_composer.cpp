#include "print/page_composer.h"

#include "catalogue/card_picture.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <algorithm>

namespace tessaly {

namespace {

constexpr double MarginMm = 15;
// Height over width of every card picture.
constexpr double CardRatio = 147.0 / 88.0;
const QColor Ink(0x20, 0x20, 0x20);
const QColor Grey(0x70, 0x70, 0x70);
const QColor KeywordBlue(0x1a, 0x3a, 0x9a);
const QColor Outline(0xbb, 0xbb, 0xbb);

QFont makeFont(const QString &family, double points, bool bold = false, bool italic = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

const QString Sans = QStringLiteral("Liberation Sans");
const QString Serif = QStringLiteral("Liberation Serif");

// What a page holds, placed in device pixels inside the margins.
struct TextItem
{
    QRectF rect;
    QString text;
    QFont font;
    QColor color;
    int flags;
};

struct PictureItem
{
    QRectF rect;
    CardNumber card;
    bool blank;
};

struct Page
{
    QList<PictureItem> pictures;
    QList<TextItem> texts;
};

class Composer
{
public:
    Composer(const QPaintDevice &device, const PrintedSpread &spread)
        : m_device(device)
        , m_spread(spread)
        , m_width(device.width())
        , m_dotsPerMm(device.logicalDpiX() / 25.4)
        , m_headerFont(makeFont(Sans, 8.5))
        , m_noteFont(makeFont(Sans, 10))
        , m_headingFont(makeFont(Sans, 10.5, true))
        , m_leadFont(makeFont(Serif, 10.5, false, true))
        , m_bodyFont(makeFont(Serif, 10.5))
    {
        const double bandHeight = lineHeight(m_headerFont) + mm(3);
        m_top = bandHeight;
        m_bottom = device.height() - bandHeight;
        m_pages.append(Page());
        m_y = m_top;
        layOutCards();
        layOutReading();
    }

    int pageCount() const { return int(m_pages.size()); }

    void paint(QPainter &painter, int index) const
    {
        const Page &page = m_pages[index];
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paintBands(painter, index);
        for (const PictureItem &picture : page.pictures) {
            if (picture.blank) {
                painter.setPen(QPen(Outline, mm(0.3)));
                painter.setBrush(Qt::NoBrush);
                painter.drawRoundedRect(picture.rect, mm(1.5), mm(1.5));
            } else {
                PaintCardPicture(painter, picture.card, picture.rect);
            }
        }
        for (const TextItem &text : page.texts) {
            painter.setFont(text.font);
            painter.setPen(text.color);
            painter.drawText(text.rect, text.flags, text.text);
        }
    }

private:
    double mm(double value) const { return value * m_dotsPerMm; }

    double lineHeight(const QFont &font) const { return QFontMetricsF(font, &m_device).lineSpacing(); }

    QString elided(const QString &text, const QFont &font, double width) const
    {
        return QFontMetricsF(font, &m_device).elidedText(text, Qt::ElideRight, width);
    }

    double wrappedHeight(const QString &text, const QFont &font) const
    {
        // A little room for the rounding between measuring and drawing.
        return QFontMetricsF(font, &m_device)
                   .boundingRect(QRectF(0, 0, m_width, 1e9), Qt::TextWordWrap, text)
                   .height() +
               mm(0.3);
    }

    void newPage()
    {
        m_pages.append(Page());
        m_y = m_top;
    }

    void addText(const QRectF &rect, const QString &text, const QFont &font, const QColor &color, int flags)
    {
        m_pages.last().texts.append({rect, text, font, color, flags});
    }

    void layOutCards()
    {
        const QList<PrintedCard> &cards = m_spread.cards;
        if (cards.isEmpty())
            return;
        double columns = 0;
        double rows = 0;
        for (const PrintedCard &card : cards) {
            columns = std::max(columns, card.column + 1);
            rows = std::max(rows, card.row + 1);
        }
        const double noteHeight = m_spread.notes.size() * lineHeight(m_noteFont) + mm(6);
        const double room = m_bottom - m_y - noteHeight;
        const double columnGap = mm(3);
        const double rowGap = mm(3);
        double cardWidth = std::min(m_width / columns - columnGap, mm(45));
        QFont titleFont;
        QFont captionFont;
        double textHeight = 0;
        // The captions' size follows the card's, which the page's height may
        // shrink; twice settles it.
        for (int pass = 0; pass < 2; ++pass) {
            const double points = std::clamp(cardWidth / m_dotsPerMm * 0.28, 6.0, 9.0);
            titleFont = makeFont(Sans, points, true);
            captionFont = makeFont(Sans, points, false, true);
            textHeight = lineHeight(titleFont) + lineHeight(captionFont) + mm(1);
            if ((cardWidth * CardRatio + textHeight + rowGap) * rows > room)
                cardWidth = (room / rows - textHeight - rowGap) / CardRatio;
        }
        const double cellWidth = cardWidth + columnGap;
        const double rowHeight = cardWidth * CardRatio + textHeight + rowGap;
        const double left = (m_width - columns * cellWidth) / 2;
        for (const PrintedCard &card : cards) {
            const double x = left + card.column * cellWidth;
            const double y = m_y + card.row * rowHeight;
            const QRectF picture(x + columnGap / 2, y, cardWidth, cardWidth * CardRatio);
            m_pages.last().pictures.append({picture, card.card, card.blank});
            double lineTop = picture.bottom() + mm(0.8);
            for (const auto &[text, font, color] : {std::tuple{card.title, titleFont, Ink},
                                                    std::tuple{card.caption, captionFont, KeywordBlue}}) {
                const double height = lineHeight(font);
                addText(QRectF(x, lineTop, cellWidth, height), elided(text, font, cellWidth), font, color,
                        Qt::AlignHCenter | Qt::AlignTop);
                lineTop += height;
            }
        }
        m_y += rows * rowHeight + mm(2);
        for (const QString &note : m_spread.notes) {
            const double height = lineHeight(m_noteFont);
            addText(QRectF(0, m_y, m_width, height), note, m_noteFont, Ink, Qt::AlignHCenter | Qt::AlignTop);
            m_y += height;
        }
        m_y += mm(4);
    }

    struct Piece
    {
        QString text;
        QFont font;
        QColor color;
        double height;
        double spaceAfter;
    };

    void layOutReading()
    {
        if (m_spread.reading.isEmpty())
            return;
        if (m_spread.readingOnNewPage)
            newPage();
        for (const ReadingBlock &block : m_spread.reading) {
            QList<Piece> pieces;
            auto add = [&](const QString &text, const QFont &font, const QColor &color, double spaceAfter) {
                if (!text.isEmpty())
                    pieces.append({text, font, color, wrappedHeight(text, font), spaceAfter});
            };
            add(block.heading, m_headingFont, Ink, mm(1));
            add(block.lead, m_leadFont, Ink, mm(1.2));
            for (const QString &paragraph : block.paragraphs)
                add(paragraph, m_bodyFont, Ink, mm(1.2));
            double height = 0;
            for (const Piece &piece : pieces)
                height += piece.height + piece.spaceAfter;
            if (m_y + height > m_bottom && m_y > m_top)
                newPage();
            // Only a block taller than a whole page breaks, between its paragraphs.
            for (const Piece &piece : pieces) {
                if (m_y + piece.height > m_bottom && m_y > m_top)
                    newPage();
                addText(QRectF(0, m_y, m_width, piece.height), piece.text, piece.font, piece.color,
                        Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop);
                m_y += piece.height + piece.spaceAfter;
            }
            m_y += mm(3);
        }
    }

    void paintBands(QPainter &painter, int index) const
    {
        const double height = lineHeight(m_headerFont);
        painter.setFont(m_headerFont);
        painter.setPen(Grey);
        painter.drawText(QRectF(0, 0, m_width, height), Qt::AlignLeft | Qt::AlignTop,
                         elided(HeaderLine(m_spread), m_headerFont, m_width));
        painter.setPen(QPen(Grey, mm(0.2)));
        painter.drawLine(QPointF(0, height + mm(1)), QPointF(m_width, height + mm(1)));
        painter.drawText(QRectF(0, m_device.height() - height, m_width, height),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("%1/%2").arg(index + 1).arg(m_pages.size()));
    }

    const QPaintDevice &m_device;
    const PrintedSpread &m_spread;
    double m_width;
    double m_dotsPerMm;
    QFont m_headerFont;
    QFont m_noteFont;
    QFont m_headingFont;
    QFont m_leadFont;
    QFont m_bodyFont;
    double m_top = 0;
    double m_bottom = 0;
    double m_y = 0;
    QList<Page> m_pages;
};

// A PDF text string: UTF-16 with its byte-order mark, written in hex.
QByteArray pdfText(const QString &text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

// Qt's writer knows no author, so the information dictionary is written
// again with one, as an incremental update after the end of the file. A file
// of another make is returned as it is.
QByteArray withAuthor(QByteArray pdf, const QString &author)
{
    static const QRegularExpression tail(
        QStringLiteral("trailer\\s*<<(.*)>>\\s*startxref\\s*(\\d+)\\s*%%EOF\\s*$"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression infoRef(QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R"));
    const QString text = QString::fromLatin1(pdf.right(1024));
    const QRegularExpressionMatch trailer = tail.match(text);
    if (!trailer.hasMatch())
        return pdf;
    const QString trailerDict = trailer.captured(1);
    const QRegularExpressionMatch info = infoRef.match(trailerDict);
    if (!info.hasMatch())
        return pdf;
    const QByteArray number = info.captured(1).toLatin1();
    const qsizetype start = pdf.lastIndexOf("\n" + number + " 0 obj");
    const qsizetype open = start < 0 ? -1 : pdf.indexOf("<<", start);
    const qsizetype close = open < 0 ? -1 : pdf.indexOf(">>", open);
    if (close < 0)
        return pdf;
    const QByteArray entries = pdf.mid(open + 2, close - open - 2);

    if (!pdf.endsWith('\n'))
        pdf += '\n';
    const qsizetype offset = pdf.size();
    pdf += number + " 0 obj\n<<" + entries + "/Author " + pdfText(author) + "\n>>\nendobj\n";
    const qsizetype xref = pdf.size();
    pdf += "xref\n" + number + " 1\n" + QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    QString previous = trailerDict;
    previous.remove(QRegularExpression(QStringLiteral("/Prev\\s+\\d+")));
    pdf += "trailer\n<<" + previous.toLatin1() + "/Prev " + trailer.captured(2).toLatin1() +
           "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

} // namespace

QPageLayout SpreadPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
}

int PaintSpread(QPagedPaintDevice &device, const PrintedSpread &spread)
{
    const Composer composer(device, spread);
    QPainter painter(&device);
    for (int page = 0; page < composer.pageCount(); ++page) {
        if (page > 0)
            device.newPage();
        composer.paint(painter, page);
    }
    return composer.pageCount();
}

QByteArray SpreadPdf(const PrintedSpread &spread)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(SpreadPageLayout());
        writer.setTitle(DocumentTitle(spread));
        writer.setCreator(QStringLiteral("Tessaly Studie"));
        PaintSpread(writer, spread);
    }
    return withAuthor(buffer.data(), QStringLiteral("Tessaly Studie"));
}

} // namespace tessaly
