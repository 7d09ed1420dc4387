#include "LumeControls.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

QFont LumeFont(int PixelHeight, bool Bold, bool Italic)
{
    QFont font;
    font.setFamilies({QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic")});
    font.setPixelSize(PixelHeight);
    font.setBold(Bold);
    font.setItalic(Italic);
    return font;
}

TLumePanel::TLumePanel(QWidget *Parent, const QColor &Colour) : QWidget(Parent)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Colour);
    setPalette(pal);
    setAutoFillBackground(true);
}

TLumeLabel::TLumeLabel(QWidget *Parent, const QRect &Bounds, Qt::Alignment HAlign,
                       const QFont &Font, const QColor &Colour, const TSjis &Caption)
    : QLabel(Parent)
{
    setGeometry(Bounds);
    setFont(Font);
    setAlignment(HAlign | Qt::AlignTop);
    setWordWrap(false);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    SetFontColour(Colour);
    SetCaption(Caption);
}

void TLumeLabel::SetCaption(const TSjis &Caption)
{
    CaptionBytes = Caption;
    QString text = FromSjis(Caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(text);
}

void TLumeLabel::SetFontColour(const QColor &Colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Colour);
    setPalette(pal);
}

QColor TLumeLabel::FontColour() const
{
    return palette().color(QPalette::WindowText);
}

TLumeShape::TLumeShape(QWidget *Parent, const QRect &Bounds, const QColor &PenColour)
    : QWidget(Parent), Pen(PenColour)
{
    setGeometry(Bounds);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TLumeShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

TLumeImage::TLumeImage(QWidget *Parent) : QWidget(Parent) {}

void TLumeImage::paintEvent(QPaintEvent *)
{
    if (Picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, Picture);
}

TLumePaintBox::TLumePaintBox(QWidget *Parent) : QWidget(Parent)
{
    // Once something was copied the box paints every pixel itself, so the
    // page behind it need not be filled first on each of the title's frames.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TLumePaintBox::CopyFrom(const QImage &Image, int X, int Y)
{
    if (Shown.size() != size())
        Shown = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&Shown);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // Drawn in bands small enough for Qt to convert on this thread: handing
    // each frame of the title to the thread pool costs more in wake-ups than
    // the conversion itself.
    constexpr int BandRows = 64;
    for (int top = 0; top < Image.height(); top += BandRows)
        painter.drawImage(X, Y + top, Image, 0, top, -1, std::min(BandRows, Image.height() - top));
    painter.end();
    update();
}

void TLumePaintBox::paintEvent(QPaintEvent *Event)
{
    QPainter painter(this);
    if (Shown.isNull()) {
        // Nothing copied yet: show the page behind, as a transparent box would.
        painter.fillRect(Event->rect(), parentWidget() ? parentWidget()->palette().window()
                                                       : palette().window());
        return;
    }
    painter.drawImage(Event->rect(), Shown, Event->rect());
}

void TLumePaintBox::mouseReleaseEvent(QMouseEvent *Event)
{
    if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()))
        emit Clicked();
}

TLumeButton::TLumeButton(QWidget *Parent, const QRect &Bounds, const QFont &Font,
                         const TSjis &Caption, int ButtonTag)
    : QPushButton(Parent), Tag(ButtonTag)
{
    setGeometry(Bounds);
    setFont(Font);
    SetCaption(Caption);
}

void TLumeButton::SetCaption(const TSjis &Caption)
{
    CaptionBytes = Caption;
    setText(FromSjis(Caption));
}
