// The floor of a start on a real X server: a Qt program that shows one picture, centred on
// black, in one frameless window filling the screen, and does nothing else. The start screen of
// the program is that same picture in the same place, so the two are timed by the same pixels.
//
//   startup_floor PICTURE
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class Floor : public QWidget
{
public:
    explicit Floor(const QImage &picture)
        : QWidget(nullptr, Qt::FramelessWindowHint), m_picture(picture)
    {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.drawImage((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2,
                          m_picture);
    }

private:
    QImage m_picture;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    Floor floor(QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32));
    floor.setGeometry(QGuiApplication::primaryScreen()->geometry());
    floor.show();
    return QApplication::exec();
}
