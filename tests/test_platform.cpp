// The platform layer seen from a screen: the guard around handlers, the message boxes, the HTML
// view and the hand-off of web addresses.
#include "platform/browser.h"
#include "platform/guard.h"
#include "platform/htmlview.h"
#include "platform/messages.h"
#include "platform/printing.h"
#include "platform/velurinoerror.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void guardShowsTheErrorBoxAndGoesOn_data();
    void guardShowsTheErrorBoxAndGoesOn();
    void messageBoxesCarryTheProgramCaption();
    void linkClickReportsItsTargetAsWritten();
    void picturesResolveInsideTheDataDirectory();
    void documentBytesAreWindows1252();
    void onlyWebAddressesLeaveTheProgram_data();
    void onlyWebAddressesLeaveTheProgram();
    void printedTableTakesThePagesItsRowsNeed_data();
    void printedTableTakesThePagesItsRowsNeed();
};

void TestPlatform::guardShowsTheErrorBoxAndGoesOn_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("shown");
    QTest::newRow("our failure shows its message") << 1 << "Arquivo \"x\" inválido.";
    QTest::newRow("a library failure is still caught") << 2 << "Erro inesperado: boom";
    QTest::newRow("no failure shows nothing") << 0 << "";
}

void TestPlatform::guardShowsTheErrorBoxAndGoesOn()
{
    QFETCH(int, failure);
    QFETCH(QString, shown);
    QList<MessageCall> calls;
    Messages::setHandler([&](const MessageCall &call) {
        calls.append(call);
        return true;
    });
    const bool ran = guarded(nullptr, [failure] {
        if (failure == 1)
            throw VelurinoError(QStringLiteral("Arquivo \"x\" inválido."));
        if (failure == 2)
            throw std::runtime_error("boom");
    });
    Messages::setHandler({});
    QCOMPARE(ran, failure == 0);
    QCOMPARE(calls.size(), failure == 0 ? 0 : 1);
    if (!calls.isEmpty()) {
        QCOMPARE(calls[0].kind, MessageCall::Error);
        QCOMPARE(calls[0].caption, QStringLiteral("Campeonato Velurino 2005"));
        QCOMPARE(calls[0].text, shown);
    }
}

void TestPlatform::messageBoxesCarryTheProgramCaption()
{
    QList<MessageCall> calls;
    Messages::setHandler([&](const MessageCall &call) {
        calls.append(call);
        return call.kind == MessageCall::Confirm;
    });
    inform(nullptr, QStringLiteral("Tabela Atualizada. "));
    QVERIFY(confirm(nullptr, QStringLiteral("Deseja realmente sair?")));
    stopBox(nullptr, QStringLiteral("Outro título"), QStringLiteral("x"));
    Messages::setHandler({});
    QCOMPARE(calls.size(), 3);
    QCOMPARE(calls[0].text, QStringLiteral("Tabela Atualizada. "));
    QCOMPARE(calls[0].caption, AppTitle);
    QCOMPARE(calls[1].kind, MessageCall::Confirm);
    QCOMPARE(calls[2].caption, QStringLiteral("Outro título"));
}

void TestPlatform::linkClickReportsItsTargetAsWritten()
{
    HtmlView view;
    view.resize(400, 200);
    view.setPage(
        QStringLiteral("<p><a href=\"http://example.org/a b?x=1&amp;y=%41\">site</a></p>"));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spy(&view, &HtmlView::hotSpotClicked);
    const QRect link = view.cursorRect(view.document()->find(QStringLiteral("site")));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, link.center() - QPoint(2, 0));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0][0].toString(), QStringLiteral("http://example.org/a b?x=1&y=%41"));
    // The view never follows the link itself.
    QVERIFY(view.source().isEmpty());
    QCOMPARE(view.document()->toPlainText(), QStringLiteral("site"));
}

void TestPlatform::picturesResolveInsideTheDataDirectory()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Escudo"));
    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    red.save(dir.filePath(QStringLiteral("Escudo/Farol.bmp")), "BMP");
    red.save(dir.filePath(QStringLiteral("outside.bmp")), "BMP");
    QTemporaryDir data;

    HtmlView view;
    view.setPictureDir(dir.path());
    const auto image = [&](const QString &src) {
        return view.loadResource(QTextDocument::ImageResource, QUrl(src)).value<QImage>();
    };
    QCOMPARE(image(QStringLiteral("escudo/FAROL.bmp")).size(), QSize(4, 3));
    QVERIFY(image(QStringLiteral("escudo/nada.bmp")).isNull());
    QVERIFY(
        image(QStringLiteral("../") + QFileInfo(dir.path()).fileName() + "/outside.bmp").isNull());
    QVERIFY(image(QUrl::fromLocalFile(dir.filePath("outside.bmp")).toString()).isNull());
    QVERIFY(image(QStringLiteral("http://example.org/x.bmp")).isNull());
}

void TestPlatform::documentBytesAreWindows1252()
{
    HtmlView view;
    view.loadDocument(QByteArray("<p>Gavi\xe3o   e\r\nUni\xe3o</p>"));
    // HTML layout rules: runs of blanks and line breaks collapse to one space.
    QCOMPARE(view.document()->toPlainText(), QStringLiteral("Gavião e União"));
}

void TestPlatform::onlyWebAddressesLeaveTheProgram_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("handedOver");
    QTest::newRow("http") << "http://www.example.org/clube" << true;
    QTest::newRow("https") << "https://example.com/" << true;
    QTest::newRow("mail") << "mailto:contato@example.org" << true;
    QTest::newRow("scheme in capitals") << "HTTPS://example.com/" << true;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("program path") << "/usr/bin/xterm" << false;
    QTest::newRow("windows program") << "C:\\Windows\\calc.exe" << false;
    QTest::newRow("shell text") << "http://x.org/; rm -rf /" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("no host") << "http://" << false;
    QTest::newRow("empty") << "" << false;
}

void TestPlatform::onlyWebAddressesLeaveTheProgram()
{
    QFETCH(QString, target);
    QFETCH(bool, handedOver);
    QStringList opened;
    Browser::setHandler([&](const QString &url) {
        opened.append(url);
        return true;
    });
    QCOMPARE(openWebAddress(target), handedOver);
    Browser::setHandler({});
    QCOMPARE(opened.size(), handedOver ? 1 : 0);
}

void TestPlatform::printedTableTakesThePagesItsRowsNeed_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    // A page 11 inches high holds (6600 - 600 - 130 - 300) / 130 = 42 rows under the header.
    QTest::newRow("the standings on one page") << 22 << 1;
    QTest::newRow("a full page") << 42 << 1;
    QTest::newRow("one row more") << 43 << 2;
    QTest::newRow("a pool of 100") << 100 << 3;
    QTest::newRow("nobody registered") << 0 << 1;
}

void TestPlatform::printedTableTakesThePagesItsRowsNeed()
{
    QFETCH(int, rows);
    QFETCH(int, pages);
    ExportTable table{
        QStringLiteral("Ranking geral"), QStringLiteral("x"), {"Pos.", "Usuário"}, {}};
    for (int r = 1; r <= rows; ++r)
        table.rows << QStringList{QStringLiteral("%1º").arg(r),
                                  QStringLiteral("Participante %1").arg(r)};
    // 100 dpi, 8 x 11 inches.
    const auto page = [] {
        QImage image(800, 1100, QImage::Format_RGB32);
        image.setDotsPerMeterX(3937);
        image.setDotsPerMeterY(3937);
        image.fill(Qt::white);
        return image;
    };
    QList<QImage> drawn{page()};
    QPainter painter(&drawn.last());
    const int counted = Printing::drawTablePages(table, QDateTime(QDate(2026, 12, 9), QTime(14, 5)),
                                                 painter, 100, drawn.last().size(), [&] {
                                                     painter.end();
                                                     drawn.append(page());
                                                     painter.begin(&drawn.last());
                                                 });
    painter.end();
    QCOMPARE(counted, pages);
    QCOMPARE(drawn.size(), pages);
    if (qEnvironmentVariableIsSet("VELURINO_PRINT_PNG"))
        drawn.first().save(qEnvironmentVariable("VELURINO_PRINT_PNG"));
    // The last page carries its rows: something is drawn below the header row.
    const QImage &last = drawn.last();
    const int firstRowTop = (Printing::TableLayout::HeaderTop + Printing::TableLayout::RowStep) / 6;
    bool inked = false;
    for (int y = firstRowTop; y < firstRowTop + 20 && !inked; ++y)
        for (int x = 0; x < last.width() && !inked; ++x)
            inked = last.pixel(x, y) != qRgb(255, 255, 255);
    QCOMPARE(inked, rows > 0);
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
