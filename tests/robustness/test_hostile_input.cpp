// Hostile text in every edit box of the program, typed and pasted as a person would: the 22 score
// boxes of the round table and of bet entry, and the hub's name box; and names that reached the
// participants list by hand. Every input is either refused with its message, leaving the whole
// program directory exactly as it was, or accepted as the rules say, touching only the files the
// operation owns and nothing outside the data directory.
#include "programtree.h"
#include "testdata.h"
#include "testfiles.h"

#include "app/form1.h"
#include "app/program.h"
#include "championship/tabela.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "pool/aposta.h"
#include "pool/bolao.h"
#include "pool/rank.h"
#include "pool/rules/poolfiles.h"

#include <QApplication>
#include <QTest>

using ProgramTree::Tree;

namespace {

const QString Registered = QStringLiteral("Usuário Cadastrado. ");
const QString Taken = QStringLiteral("Nome de usuário já existente. ");
const QString EmptyName = QStringLiteral("Digite o nome do novo participante.");
const QString Removed = QStringLiteral("Usuário removido.");
const QString SelectToRemove = QStringLiteral("Selecione o participante a ser removido.");
const QString FillAll = QStringLiteral("Todos os jogos devem ser preenchidos.");
const QString Stored = QStringLiteral("Tabela Atualizada. ");

const QString ForbiddenChar =
    QStringLiteral("O nome não pode conter os caracteres / \\ : * ? \" < > | nem caracteres de "
                   "controle, pois ele vira o nome de um arquivo.");
const QString Dots = QStringLiteral("O nome não pode ser \".\" nem \"..\".");
const QString NotEncodable =
    QStringLiteral("O nome contém caracteres que não podem ser gravados nos arquivos do bolão.");
const QString RoundForm =
    QStringLiteral("O nome não pode ser um número, nem uma barra seguida de um número: ele se "
                   "confundiria com as marcas das rodadas.");
const QString ListName =
    QStringLiteral("O nome \"Lista\" é reservado para a lista de participantes.");
const QString TwinOfAna = QStringLiteral("Já existe o participante \"Ana\", que difere desse nome "
                                         "só em letras maiúsculas e minúsculas.");
const QString TwinOfJoao = QStringLiteral("Já existe o participante \"João\", que difere desse "
                                          "nome só em letras maiúsculas e minúsculas.");
// The start of the error box when the participant file cannot be created, and when the name is
// too long for any file name.
const QString CannotWrite = QStringLiteral("Não foi possível gravar o arquivo");
const QString NoFileName = QStringLiteral("O nome de participante \"");
const QString EdgeBlanks = QStringLiteral("O nome não pode começar nem terminar com espaços: ele "
                                          "pareceria o nome de outro participante, e o nome do "
                                          "arquivo esconderia os espaços.");
QString deviceName(const QString &name)
{
    return QStringLiteral("O nome \"%1\" é reservado pelo Windows para um dispositivo e não pode "
                          "ser o nome do arquivo do participante.")
        .arg(name);
}
const QString Accepted = QStringLiteral("<accepted>");

const QString ThirtyDigits = QStringLiteral("123456789012345678901234567890");

enum class Entry
{
    Typed,
    Pasted,
};

// A text of digits within the signed 32-bit range: the only thing the round table stores.
bool isStorableGoals(const QString &text)
{
    if (text.isEmpty() ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; }))
        return false;
    QString digits = text;
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    return digits.size() < 10 || (digits.size() == 10 && digits <= QLatin1String("2147483647"));
}

QString visible(const QString &text);

// The texts of recorded message boxes, for a failure's report.
QString describe(const QList<MessageRecorder::Call> &calls)
{
    if (calls.isEmpty())
        return QStringLiteral("no message");
    QStringList texts;
    for (const MessageRecorder::Call &call : calls)
        texts << QString::number(call.kind) + QStringLiteral(": ") + call.text.left(200);
    return texts.join(QStringLiteral(" | "));
}

QString visible(const QString &text)
{
    QString shown;
    for (const QChar c : text)
        shown += c.unicode() < 32 || c.unicode() == 127
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(c);
    return shown.size() > 60 ? shown.left(60) + QStringLiteral("...") : shown;
}

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void roundTableScoreBoxes_data() { scoreInputs(); }
    void roundTableScoreBoxes();
    void betScoreBoxes_data() { scoreInputs(); }
    void betScoreBoxes();
    void participantNames_data();
    void participantNames();
    void namesWrittenIntoTheListByHand_data();
    void namesWrittenIntoTheListByHand();

private:
    static void scoreInputs();
    void start();
    void click(QWidget *widget);
    void enter(QLineEdit *box, Entry how, const QString &text);
    Tree tree() const { return ProgramTree::snapshot(m_root); }
    QString changes(const Tree &before) const;
    // The calls recorded since the last look, then forgotten.
    QList<MessageRecorder::Call> takeCalls();
    void openHub(TFocusImage *TFormBolao::*mode);
    void selectListEntry(const QString &name);

    std::unique_ptr<ProgramTree::SharedSeason> m_shared;
    TestSeason *m_season = nullptr;
    MessageRecorder *m_messages = nullptr;
    QString m_root; // the program directory: "dados" and whatever lies beside it
};

// Every row starts from the delivered season with two participants, one with an accented name,
// registered as the hub registers them.
void TestHostileInput::initTestCase()
{
    m_shared = std::make_unique<ProgramTree::SharedSeason>();
    m_season = &m_shared->season;
    m_messages = &m_shared->messages;
    m_root = m_shared->root;
    const QString pool = m_season->dataDir() + QStringLiteral("player/");
    for (const QString &name : {QStringLiteral("Ana"), QStringLiteral("João")})
        QVERIFY(Pool::registerParticipant(m_season->dataDir(), pool, name).registered);
    m_shared->keepAsStart();
}

void TestHostileInput::init()
{
    m_shared->reset();
}

void TestHostileInput::cleanup()
{
    destroyScreens();
    CurrentUser.clear();
}

void TestHostileInput::cleanupTestCase()
{
    m_shared.reset();
}

void TestHostileInput::start()
{
    // The other screens are made as the row opens them, as the program makes them.
    createStartScreen(m_season->dataDir());
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    const QList<MessageRecorder::Call> atStart = takeCalls();
    QVERIFY2(atStart.isEmpty(), qPrintable(describe(atStart)));
}

void TestHostileInput::click(QWidget *widget)
{
    QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
}

void TestHostileInput::enter(QLineEdit *box, Entry how, const QString &text)
{
    box->setFocus();
    if (how == Entry::Typed)
        Input::type(box, text);
    else
        Input::paste(box, text);
}

QString TestHostileInput::changes(const Tree &before) const
{
    return ProgramTree::differences(before, tree()).join(QLatin1Char(' '));
}

QList<MessageRecorder::Call> TestHostileInput::takeCalls()
{
    const QList<MessageRecorder::Call> calls = m_messages->calls;
    m_messages->calls.clear();
    // Whatever was typed, the box stays readable: no hostile text is shown whole.
    for (const MessageRecorder::Call &call : calls)
        QTest::qVerify(call.text.size() <= 1000, "call.text.size() <= 1000",
                       qPrintable(call.text.left(80)), __FILE__, __LINE__);
    return calls;
}

void TestHostileInput::openHub(TFocusImage *TFormBolao::*mode)
{
    if (!FormBolao || !FormBolao->isVisible()) {
        Form1->fiSairClick(); // the start panel, where the pool is entered
        click(Form1->fiBolao);
    }
    QVERIFY(FormBolao->isVisible());
    click(FormBolao->*mode);
    QVERIFY(FormBolao->PanelUsers->isVisible());
}

void TestHostileInput::selectListEntry(const QString &name)
{
    QListWidget *list = FormBolao->LbUsers;
    QListWidgetItem *item = nullptr;
    for (int i = 0; i < list->count() && !item; ++i)
        if (list->item(i)->text() == name)
            item = list->item(i);
    QVERIFY2(item, qPrintable(visible(name)));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// One row per hostile input: what the box shows once the input was typed, and once it was pasted
// into the empty box. Typing drops every character but the digits; a paste is taken whole or not
// at all.
void TestHostileInput::scoreInputs()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("typedShows");
    QTest::addColumn<QString>("pastedShows");
    QTest::newRow("nothing") << ""
                             << ""
                             << "";
    QTest::newRow("letters") << "abc"
                             << ""
                             << "";
    QTest::newRow("letters around a digit") << "a1b"
                                            << "1"
                                            << "";
    QTest::newRow("minus sign") << "-3"
                                << "3"
                                << "";
    QTest::newRow("score written as 2-1") << "2-1"
                                          << "21"
                                          << "";
    QTest::newRow("plus sign") << "+4"
                               << "4"
                               << "";
    QTest::newRow("blank") << " "
                           << ""
                           << "";
    QTest::newRow("blanks around digits") << " 12 "
                                          << "12"
                                          << "";
    QTest::newRow("decimal point") << "1.5"
                                   << "15"
                                   << "";
    QTest::newRow("hexadecimal") << "0x1F"
                                 << "01"
                                 << "";
    QTest::newRow("markup") << "<b>1</b>"
                            << "1"
                            << "";
    QTest::newRow("30-digit number") << ThirtyDigits << ThirtyDigits << ThirtyDigits;
    QTest::newRow("just past 32 bits") << "2147483648"
                                       << "2147483648"
                                       << "2147483648";
    QTest::newRow("largest 32-bit number") << "2147483647"
                                           << "2147483647"
                                           << "2147483647";
    QTest::newRow("leading zeros") << "007"
                                   << "007"
                                   << "007";
    QTest::newRow("two lines") << "1\n2"
                               << "12"
                               << "";
    QTest::newRow("control characters") << "\x01\x02\x1f"
                                        << ""
                                        << "";
    QTest::newRow("digit and control character") << "4\x07"
                                                 << "4"
                                                 << "";
    QTest::newRow("emoji") << "\U0001F600"
                           << ""
                           << "";
    QTest::newRow("digit and emoji") << "5\U0001F600"
                                     << "5"
                                     << "";
    QTest::newRow("fullwidth digits") << "\uFF11\uFF12"
                                      << ""
                                      << "";
    QTest::newRow("Arabic-Indic digit") << "\u0663"
                                        << ""
                                        << "";
    QTest::newRow("superscript two") << "\u00B2"
                                     << ""
                                     << "";
    QTest::newRow("accented letter") << "\u00E9"
                                     << ""
                                     << "";
    QTest::newRow("euro sign") << "\u20AC"
                               << ""
                               << "";
}

// Each input goes into each of the 22 boxes in turn, the other 21 holding a plain score, and the
// round is stored. An empty box beside a filled one and a number past 32 bits are refused with
// the error box and change nothing; anything else is stored as shown and withdrawn again.
void TestHostileInput::roundTableScoreBoxes()
{
    QFETCH(QString, input);
    start();
    click(Form1->fiVelurino);
    click(Form1->fiTabela);
    QVERIFY(FormTabela->isVisible());
    QCOMPARE(FormTabela->CbRodadas->currentIndex(), 0);
    QList<ScoreBox *> boxes;
    for (int k = 0; k < 11; ++k)
        boxes << FormTabela->home(k + 1) << FormTabela->away(k + 1);

    QFETCH(QString, typedShows);
    QFETCH(QString, pastedShows);
    for (Entry how : {Entry::Typed, Entry::Pasted}) {
        const QString expected = how == Entry::Typed ? typedShows : pastedShows;
        for (int b = 0; b < boxes.size(); ++b) {
            const QString where = QStringLiteral("%1 %2").arg(
                boxes[b]->objectName(), how == Entry::Typed ? "typed" : "pasted");
            for (int i = 0; i < boxes.size(); ++i)
                boxes[i]->setText(i % 2 ? QStringLiteral("0") : QStringLiteral("1"));
            boxes[b]->clear();
            enter(boxes[b], how, input);
            QVERIFY2(boxes[b]->text() == expected,
                     qPrintable(where + ": shows " + visible(boxes[b]->text())));

            const Tree before = tree();
            click(FormTabela->BtAtualiza);
            const QList<MessageRecorder::Call> calls = takeCalls();
            QVERIFY2(calls.size() == 1, qPrintable(where + ": " + describe(calls)));
            const QString match = QStringLiteral("do jogo %1 da 1ª Rodada").arg(b / 2 + 1);

            if (!isStorableGoals(expected)) {
                // Input the user can put right: a plain box, as the screen's other messages.
                QVERIFY2(calls.first().kind == MessageCall::Inform,
                         qPrintable(where + ": " + describe(calls)));
                const QString reason = expected.isEmpty()
                                           ? QStringLiteral("Preencha os dois placares do ")
                                           : QStringLiteral("não é um número de gols válido");
                QVERIFY2(calls.first().text.contains(reason) && calls.first().text.contains(match),
                         qPrintable(where + ": " + describe(calls)));
                QVERIFY2(changes(before).isEmpty(), qPrintable(where + ": " + changes(before)));
                QVERIFY(FormTabela->BtAtualiza->isEnabled());
                QVERIFY(!FormTabela->BtDesfaz->isEnabled());
                QVERIFY(boxes[b]->isEnabled());
                QCOMPARE(boxes[b]->text(), expected);
                continue;
            }

            QVERIFY2(calls.first().kind == MessageCall::Inform && calls.first().text == Stored,
                     qPrintable(where + ": " + describe(calls)));
            QStringList goals;
            for (ScoreBox *box : std::as_const(boxes))
                goals << box->text();
            QCOMPARE(TextFile::readLines(m_season->dataDir(), "Resultado.txt"),
                     QStringList{"[1]"} + goals + QStringList{"[/1]"});
            QStringList changed = ProgramTree::changedPaths(before, tree());
            changed.sort();
            QCOMPARE(changed,
                     QStringList({"dados/Resultado.txt", "dados/Rodada.txt", "dados/Times.txt"}));
            click(FormTabela->BtDesfaz);
            QVERIFY2(takeCalls().isEmpty(), qPrintable(where));
            QVERIFY2(changes(before).isEmpty(), qPrintable(where + ": " + changes(before)));
            QVERIFY(FormTabela->BtAtualiza->isEnabled());
        }
    }
}

// The same inputs in bet entry: an empty box gives the screen's own message and stores nothing;
// a number past 32 bits is refused with the error box; any other run of digits is a prediction
// and is stored as shown, then withdrawn.
void TestHostileInput::betScoreBoxes()
{
    QFETCH(QString, input);
    QFETCH(QString, typedShows);
    QFETCH(QString, pastedShows);
    start();
    openHub(&TFormBolao::fiAposta);
    selectListEntry("Ana");
    click(FormBolao->BtAposta);
    QVERIFY(FormAposta->isVisible());
    QCOMPARE(CurrentUser, QStringLiteral("Ana"));
    QCOMPARE(FormAposta->round(), 1);
    QVERIFY(takeCalls().isEmpty());
    QList<QLineEdit *> boxes;
    for (int k = 1; k <= 11; ++k)
        boxes << FormAposta->home(k) << FormAposta->away(k);
    const QString participantFile = m_season->dataDir() + "player/Ana.txt";
    const QStringList header = TextFile::readLines(participantFile);

    for (Entry how : {Entry::Typed, Entry::Pasted}) {
        const QString expected = how == Entry::Typed ? typedShows : pastedShows;
        for (int b = 0; b < boxes.size(); ++b) {
            const QString where = QStringLiteral("%1 %2").arg(
                boxes[b]->objectName(), how == Entry::Typed ? "typed" : "pasted");
            for (QLineEdit *box : std::as_const(boxes))
                box->setText(QStringLiteral("1"));
            boxes[b]->clear();
            enter(boxes[b], how, input);
            QVERIFY2(boxes[b]->text() == expected,
                     qPrintable(where + ": shows " + visible(boxes[b]->text())));

            const Tree before = tree();
            click(FormAposta->BtAtualiza);
            const QList<MessageRecorder::Call> calls = takeCalls();
            if (expected.isEmpty()) {
                QVERIFY2(calls.size() == 1 && calls.first().kind == MessageCall::Inform &&
                             calls.first().text == FillAll,
                         qPrintable(where + ": " + describe(calls)));
                QVERIFY2(changes(before).isEmpty(), qPrintable(where + ": " + changes(before)));
                QVERIFY(FormAposta->BtAtualiza->isEnabled());
                QVERIFY(boxes[b]->isEnabled());
                continue;
            }
            if (!isStorableGoals(expected)) {
                // A number the ranking could not read would stop every recomputation.
                QVERIFY2(calls.size() == 1 && calls.first().kind == MessageCall::Error &&
                             calls.first().text.contains("até 2147483647"),
                         qPrintable(where + ": " + describe(calls)));
                QVERIFY2(changes(before).isEmpty(), qPrintable(where + ": " + changes(before)));
                QVERIFY(FormAposta->BtAtualiza->isEnabled());
                QVERIFY(boxes[b]->isEnabled());
                continue;
            }
            QVERIFY2(calls.isEmpty(), qPrintable(where + ": " + describe(calls)));
            QStringList values;
            for (QLineEdit *box : std::as_const(boxes))
                values << box->text();
            QCOMPARE(TextFile::readLines(participantFile),
                     header + QStringList{"[1]"} + values + QStringList{"[/1]"});
            QCOMPARE(ProgramTree::changedPaths(before, tree()),
                     QStringList{"dados/player/Ana.txt"});
            QVERIFY(!boxes[b]->isEnabled());
            click(FormAposta->BtDesfaz);
            QVERIFY2(takeCalls().isEmpty(), qPrintable(where));
            QVERIFY2(changes(before).isEmpty(), qPrintable(where + ": " + changes(before)));
        }
    }
}

namespace {

// A name row, typed and pasted; a name holding a character that typing never puts into a box
// (a control character, half a surrogate pair) is pasted only.
void addName(const char *label, const QString &name, const QString &outcome,
             int kind = MessageCall::Inform)
{
    const bool typeable = std::none_of(name.begin(), name.end(), [&name](QChar c) {
        return c.category() == QChar::Other_Control || c.isLowSurrogate() ||
               (c.isHighSurrogate() && name.size() == 1);
    });
    for (Entry how : {Entry::Typed, Entry::Pasted}) {
        if (how == Entry::Typed && !typeable)
            continue;
        QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(
            QLatin1String(label), how == Entry::Typed ? "typed" : "pasted")))
            << name << int(how) << outcome << kind;
    }
}

} // namespace

// "Ana" and "João" are registered. Every name is refused with the hub's message or registered
// exactly as typed, with its participant file inside the pool directory.
void TestHostileInput::participantNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("how");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<int>("kind");

    addName("empty", "", EmptyName);
    addName("exact duplicate", "Ana", Taken);
    addName("small letters", "ana", TwinOfAna);
    addName("capitals", "ANA", TwinOfAna);
    addName("mixed case", "aNa", TwinOfAna);
    addName("accented capitals", "JOÃO", TwinOfJoao);
    addName("accented small letters", "joão", TwinOfJoao);
    addName("accent dropped", "Joao", Accepted);
    addName("accented letters", "Conceição", Accepted);
    addName("euro sign, in Windows-1252", "€uro", Accepted);
    addName("Windows-1252 letters with one from outside", "Œuvre Šťa", NotEncodable);
    addName("Windows-1252 specials", "Œ‰ƒ", Accepted);
    addName("emoji", "\U0001F600", NotEncodable);
    addName("name with emoji", "Bia\U0001F600", NotEncodable);
    addName("Greek letter", "Ω", NotEncodable);
    addName("Chinese", "中文", NotEncodable);
    addName("combining accent", "Joa\u0303o", NotEncodable);
    addName("zero-width space", "Bia\u200B", NotEncodable);
    addName("lone surrogate", QString(QChar(0xD800)), NotEncodable);
    addName("slash", "a/b", ForbiddenChar);
    addName("backslash", "a\\b", ForbiddenChar);
    addName("colon", "a:b", ForbiddenChar);
    addName("drive letter", "C:", ForbiddenChar);
    addName("star", "a*b", ForbiddenChar);
    addName("question mark", "a?b", ForbiddenChar);
    addName("double quote", "a\"b", ForbiddenChar);
    addName("less than", "a<b", ForbiddenChar);
    addName("greater than", "a>b", ForbiddenChar);
    addName("markup", "<b>Bia</b>", ForbiddenChar);
    addName("pipe", "a|b", ForbiddenChar);
    addName("parent directory", "..", Dots);
    addName("this directory", ".", Dots);
    addName("path up", "../fora", ForbiddenChar);
    addName("path up, Windows style", "..\\fora", ForbiddenChar);
    addName("absolute path", "/etc/passwd", ForbiddenChar);
    addName("network path", "\\\\servidor\\bolao", ForbiddenChar);
    addName("home directory", "~/fora", ForbiddenChar);
    addName("three dots", "...", Accepted);
    addName("leading dot", ".oculto", Accepted);
    addName("tilde", "~", Accepted);
    addName("tab", "a\tb", ForbiddenChar);
    addName("line break", "a\nb", ForbiddenChar);
    addName("carriage return", "a\rb", ForbiddenChar);
    addName("bell", "Bia\x07", ForbiddenChar);
    addName("escape", "\x1b[31mBia", ForbiddenChar);
    addName("delete", "Bia\x7f", ForbiddenChar);
    addName("C1 control character", "Bia\u0081", ForbiddenChar);
    addName("next line control", "Bia\u0085", ForbiddenChar);
    addName("only a blank", " ", EmptyName);
    addName("only blanks", "    ", EmptyName);
    addName("leading and trailing blanks", " Ana ", EdgeBlanks);
    addName("leading blank", " Bia", EdgeBlanks);
    addName("blank inside", "Ana Bia", Accepted);
    addName("no-break space", "\u00A0", EmptyName);
    addName("300 letters", QString(300, QLatin1Char('A')), NoFileName, MessageCall::Error);
    addName("200 letters", QString(200, QLatin1Char('B')), Accepted);
    // The file name itself fits, but not the temporary file it is written through.
    addName("251 letters", QString(251, QLatin1Char('B')), CannotWrite, MessageCall::Error);
    addName("252 letters", QString(252, QLatin1Char('B')), NoFileName, MessageCall::Error);
    addName("128 accented letters", QString(128, QChar(0xE9)), NoFileName, MessageCall::Error);
    addName("the list's name", "Lista", ListName);
    addName("the list's name in capitals", "LISTA", ListName);
    addName("the list's name in small letters", "lista", ListName);
    addName("the list's file name", "Lista.txt", Accepted);
    addName("the list's name and a blank", "Lista ", EdgeBlanks);
    addName("round number", "7", RoundForm);
    addName("last round", "42", RoundForm);
    addName("round zero", "0", RoundForm);
    addName("round with leading zeros", "007", RoundForm);
    addName("beyond the rounds", "43", RoundForm);
    addName("20 digits", "12345678901234567890", RoundForm);
    addName("slash and round", "/7", ForbiddenChar);
    addName("round marker", "[7]", Accepted);
    addName("round end marker", "[/7]", ForbiddenChar);
    addName("negative round", "-7", Accepted);
    addName("round and blank", "7 ", EdgeBlanks);
    addName("superscript digit", "²", Accepted);
    addName("fullwidth digit", "\uFF17", NotEncodable);
    addName("record end marker", "==]", Accepted);
    addName("not played", "NO", Accepted);
    addName("format directives", "%1%2%s%n", Accepted);
    addName("shell text", "$(rm -rf ~)", Accepted);
    for (const char *device : {"CON", "nul", "Aux", "PRN", "com1", "LPT9", "COM\u00B9"})
        addName(device, device, deviceName(device));
    addName("device name with an extension", "con.txt", deviceName("con.txt"));
    addName("device name, blank before the extension", "NUL .a", deviceName("NUL .a"));
    addName("device name inside a longer name", "Console", Accepted);
    addName("COM without its digit", "COM", Accepted);
    addName("COM0", "COM0", Accepted);
}

void TestHostileInput::participantNames()
{
    QFETCH(QString, name);
    QFETCH(int, how);
    QFETCH(QString, outcome);
    QFETCH(int, kind);
    start();
    openHub(&TFormBolao::fiUsers);
    QCOMPARE(FormBolao->LbUsers->count(), 2);
    enter(FormBolao->Nome, Entry(how), name);
    QVERIFY2(FormBolao->Nome->text() == name, qPrintable(visible(FormBolao->Nome->text())));

    const QString listPath = m_season->dataDir() + "player/Lista.txt";
    const QByteArray listBefore = TestFiles::bytesOf(listPath);
    const Tree before = tree();
    click(FormBolao->BtOK);
    const QList<MessageRecorder::Call> calls = takeCalls();
    QVERIFY2(calls.size() == 1, qPrintable(describe(calls)));
    QVERIFY2(calls.first().kind == kind, qPrintable(describe(calls)));

    if (outcome != Accepted) {
        if (kind == MessageCall::Error)
            QVERIFY2(calls.first().text.startsWith(outcome), qPrintable(calls.first().text));
        else
            QCOMPARE(calls.first().text, outcome);
        QVERIFY2(changes(before).isEmpty(), qPrintable(changes(before)));
        QCOMPARE(FormBolao->LbUsers->count(), 2);
        return;
    }

    QCOMPARE(calls.first().text, Registered);
    QCOMPARE(FormBolao->LbUsers->count(), 3);
    QCOMPARE(FormBolao->LbUsers->item(2)->text(), name);
    QVERIFY(FormBolao->Nome->text().isEmpty());
    QCOMPARE(TestFiles::bytesOf(listPath), listBefore + TextFile::encode(name) + "\r\n");
    // The one new file is the participant's, directly in the pool directory.
    const QStringList added =
        ProgramTree::differences(before, tree()).filter(QRegularExpression("^\\+"));
    QCOMPARE(added.size(), 1);
    QCOMPARE(added.first(), QStringLiteral("+dados/player/") + name + ".txt");
    QStringList changed = ProgramTree::changedPaths(before, tree());
    changed.sort();
    QStringList expected{"dados/player/" + name + ".txt", "dados/player/Lista.txt"};
    expected.sort();
    QCOMPARE(changed, expected);
    QCOMPARE(TextFile::readLines(m_season->dataDir() + "player/" + name + ".txt"),
             QStringList({"[" + name + "]", "0", "0", "0", "0", "[/" + name + "]"}));

    // And the participant can be removed again, which undoes exactly that.
    FormBolao->Nome->setText(name);
    click(FormBolao->BtRemove);
    const QList<MessageRecorder::Call> removal = takeCalls();
    QVERIFY2(removal.size() == 1, qPrintable(describe(removal)));
    QCOMPARE(removal.first().text, Removed);
    QVERIFY2(changes(before).isEmpty(), qPrintable(changes(before)));
}

// Names put into "Lista.txt" by hand (or by an older program that did not refuse them) and files
// that a careless participant file name would reach. Such a name is reported wherever its file
// would be read or written, no file outside the pool directory is ever read, written or deleted
// for it, and removing it takes only its line out of the list.
void TestHostileInput::namesWrittenIntoTheListByHand_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removable");
    QTest::newRow("path up to the program directory") << "../../fora" << true;
    QTest::newRow("path up to the data directory") << "../Rodada" << true;
    QTest::newRow("path into the pool directory") << "../player/Ana" << true;
    QTest::newRow("path down and up") << "x/../../../fora" << true;
    QTest::newRow("Windows path up") << "..\\..\\fora" << true;
    QTest::newRow("parent directory") << ".." << true;
    QTest::newRow("this directory") << "." << true;
    QTest::newRow("the list's own name") << "Lista" << true;
    QTest::newRow("the list's own name in small letters") << "lista" << true;
    QTest::newRow("star") << "*" << true;
    QTest::newRow("tab inside") << "a\tb" << true;
    // The name box holds at most 32767 characters, so such a name cannot be typed to remove it.
    QTest::newRow("a megabyte of letters") << QString(1 << 20, QLatin1Char('L')) << false;
    QTest::newRow("a megabyte with a slash") << QString(1 << 20, QLatin1Char('/')) << false;
    QTest::newRow("empty line") << "" << true;
}

void TestHostileInput::namesWrittenIntoTheListByHand()
{
    QFETCH(QString, name);
    QFETCH(bool, removable);
    const QString pool = m_season->dataDir() + "player/";
    // Bait beside the data directory and in it, shaped like participant files of that name.
    const QStringList bait{"[" + name + "]", "9", "9", "9", "9", "[/" + name + "]"};
    TestFiles::writeLines(m_root + "/fora.txt", bait);
    TestFiles::writeLines(m_root + "/fora", bait);
    TestFiles::writeLines(pool + "Lista.txt", {"Ana", name, "João"});
    // One round of results, so that the ranking has something to compute.
    QStringList rounds = TextFile::readLines(m_season->dataDir() + "Rodada.txt");
    rounds[0] = "1";
    TestFiles::writeLines(m_season->dataDir() + "Rodada.txt", rounds);
    QStringList block{"[1]"};
    for (int i = 0; i < 22; ++i)
        block << "1";
    block << "[/1]";
    TestFiles::writeLines(m_season->dataDir() + "Resultado.txt", block);
    const Tree before = tree();

    start();
    openHub(&TFormBolao::fiUsers);
    QCOMPARE(FormBolao->LbUsers->count(), 3);
    QCOMPARE(FormBolao->LbUsers->item(1)->text(), name);

    // Showing its counters.
    selectListEntry(name);
    QList<MessageRecorder::Call> calls = takeCalls();
    QVERIFY2(calls.size() == 1 && calls.first().kind == MessageCall::Error,
             qPrintable(describe(calls)));
    QVERIFY2(changes(before).isEmpty(), qPrintable(changes(before)));

    // Bet entry for it: the screen opens, reports the file, and storing writes nothing.
    if (!name.isEmpty()) {
        openHub(&TFormBolao::fiAposta);
        selectListEntry(name);
        click(FormBolao->BtAposta);
        QVERIFY(FormAposta->isVisible());
        calls = takeCalls();
        QVERIFY2(!calls.isEmpty() && calls.first().kind == MessageCall::Error,
                 qPrintable(describe(calls)));
        FormAposta->CbRodada->setCurrentIndex(1);
        emit FormAposta->CbRodada->activated(1);
        takeCalls();
        for (int k = 1; k <= 11; ++k) {
            FormAposta->home(k)->setEnabled(true);
            FormAposta->away(k)->setEnabled(true);
            FormAposta->home(k)->setText("1");
            FormAposta->away(k)->setText("2");
        }
        FormAposta->BtAtualiza->setEnabled(true);
        click(FormAposta->BtAtualiza);
        calls = takeCalls();
        QVERIFY2(calls.size() == 1 && calls.first().kind == MessageCall::Error,
                 qPrintable(describe(calls)));
        FormAposta->BtDesfaz->setEnabled(true);
        click(FormAposta->BtDesfaz);
        calls = takeCalls();
        QVERIFY2(calls.size() == 1 && calls.first().kind == MessageCall::Error,
                 qPrintable(describe(calls)));
        QVERIFY2(changes(before).isEmpty(), qPrintable(changes(before)));
        click(FormAposta->BtVolta);
    }

    // The overall ranking: loading and recomputing report the name and write nothing.
    click(FormBolao->fiRank);
    click(FormBolao->fiGeral);
    QVERIFY(FormRank->isVisible());
    calls = takeCalls();
    QVERIFY2(calls.size() == 1 && calls.first().kind == MessageCall::Error,
             qPrintable(describe(calls)));
    click(FormRank->BtAtualizaBolao);
    calls = takeCalls();
    QVERIFY2(calls.size() == 1 && calls.first().kind == MessageCall::Error,
             qPrintable(describe(calls)));
    QVERIFY2(changes(before).isEmpty(), qPrintable(changes(before)));
    click(FormRank->fiVolta);

    // Removing it: only its line leaves the list; the bait and every other file stay.
    openHub(&TFormBolao::fiUsers);
    takeCalls();
    if (name.isEmpty())
        selectListEntry(name); // a blank line is chosen in the list, as nothing can be typed
    takeCalls();
    FormBolao->Nome->setText(name);
    click(FormBolao->BtRemove);
    calls = takeCalls();
    if (!removable) {
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().text, SelectToRemove);
        QVERIFY2(changes(before).isEmpty(), qPrintable(changes(before)));
        return;
    }
    QVERIFY2(calls.isEmpty(), qPrintable(describe(calls)));
    QCOMPARE(ProgramTree::changedPaths(before, tree()), QStringList{"dados/player/Lista.txt"});
    QCOMPARE(TextFile::readLines(pool + "Lista.txt"), QStringList({"Ana", "João"}));
    QCOMPARE(FormBolao->LbUsers->count(), 2);
}

QTEST_MAIN(TestHostileInput)
#include "test_hostile_input.moc"
