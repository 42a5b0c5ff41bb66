// Speed figures of the main window, printed, never judged: scripts/bench runs
// the modes and puts the numbers side by side.
//
//   orbilex_bench select [rounds]   every country chosen in turn through the
//                                   country list, without and with userdb.ini
//   orbilex_bench startup-main [FILE]  the real start: production environment,
//                                   frmMain, showAsLoaded, first paint; with
//                                   FILE, writes there what the window showed
//                                   (each widget's kind, place and text, one
//                                   line each) for the replica
//   orbilex_bench startup-empty     the same start for a plain QWidget
//   orbilex_bench startup-text      a plain QWidget holding one label
//   orbilex_bench startup-replica FILE  the same start for a window of stock
//                                   widgets rebuilt from FILE: the cost of
//                                   what is shown, without the program
//   orbilex_bench search            the search box's search over all records,
//                                   per keystroke of a few typed texts
//   orbilex_bench tick [ticks]      one tick of the country clock with the
//                                   local-time field, against the tick's
//                                   other steps alone on the same window
//   orbilex_bench ip [FILE.mmdb]    one lookup through the IP database source
//                                   against bare libmaxminddb lookups of the
//                                   same addresses, and the first lookup after
//                                   start (default: ip-country.mmdb beside it)
//
// The start-up modes print wall-clock stamps (nanoseconds since the epoch, the
// clock of `date +%s%N`) so the script can measure from the moment it started
// the process to the moment the first frame was painted, leaving out the
// teardown that follows.

#include "common/program.h"
#include "data/countries.h"
#include "data/text.h"
#include "desktop/frmSysTray.h"
#include "desktop/systemtray.h"
#include "fakes.h"
#include "platform/mmdbdatabase.h"
#include "platform/production.h"
#include "store/settingskeys.h"
#include "store/storedvalues.h"
#include "time/gmt.h"
#include "ui/main/frmMain.h"
#include "viewlogic/countrysearch.h"
#include "viewlogic/fields.h"
#include "viewlogic/ipconvert.h"
#include "viewlogic/windowmath.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtEndian>
#include <QTextStream>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <maxminddb.h>
#include <vector>

namespace {

using namespace orbilex;

qint64 wallNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

// Quits the event loop once the watched window's first paint has finished:
// the zero timer runs only after the whole repaint (every child, then the
// flush) has returned to the loop.
class FirstPaint final : public QObject
{
public:
    qint64 paintedNs = 0;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                paintedNs = wallNs();
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

int waitForFirstPaint()
{
    // A window that never paints would hang the script; ten seconds is far
    // beyond any real start.
    QTimer::singleShot(10000, [] {
        std::fprintf(stderr, "no paint within 10 s\n");
        QCoreApplication::exit(2);
    });
    return QApplication::exec();
}

// One line of key=value fields; the script reads the stamps, the size and the
// widget count say what was painted.
void printStart(const QWidget &window, qint64 mainNs, qint64 appNs, qint64 builtNs, qint64 showNs, qint64 paintedNs)
{
    std::printf("main_ns=%lld app_ns=%lld built_ns=%lld show_ns=%lld painted_ns=%lld window=%dx%d widgets=%lld\n",
        static_cast<long long>(mainNs), static_cast<long long>(appNs), static_cast<long long>(builtNs),
        static_cast<long long>(showNs), static_cast<long long>(paintedNs), window.width(), window.height(),
        static_cast<long long>(window.findChildren<QWidget *>().size()));
}

// The replica: the floor under the main window's start. After its first
// paint the main window's visible widgets are written down by kind, place and
// text; a start of "startup-replica" builds the same stock widgets at the same
// places in a window of the same size, with no layout, no style hooks and no
// program behind them, and paints it. What the main window costs beyond the
// replica is the program's own; what the replica costs beyond one label is
// the price of showing that much.

// Tabs and line breaks would split a line of the file.
QString flat(QString text)
{
    return text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void dumpVisible(QTextStream &out, const QWidget &window, const QWidget &parent)
{
    for (QObject *object : parent.children()) {
        auto *w = qobject_cast<QWidget *>(object);
        if (!w || !w->isVisible())
            continue;
        const QPoint at = w->mapTo(&window, QPoint(0, 0));
        const auto line = [&](const char *kind, int flags, const QString &text) {
            out << kind << '\t' << at.x() << '\t' << at.y() << '\t' << w->width() << '\t' << w->height() << '\t'
                << flags << '\t' << flat(text) << '\n';
        };
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            line("edit", int(edit->hasFrame()), edit->text());
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            line("combo", int(combo->isEditable()), combo->currentText());
        } else if (auto *note = qobject_cast<QPlainTextEdit *>(w)) {
            line("note", 0, note->toPlainText());
        } else if (auto *list = qobject_cast<QListWidget *>(w)) {
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->item(i)->text();
            line("list", 0, items.join(QLatin1Char('|')));
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            line("check", int(check->isChecked()), check->text());
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            line("button", int(!button->icon().isNull()), button->text());
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            const bool picture = !label->pixmap().isNull();
            line("label", int(picture), label->text());
        } else {
            if (auto *group = qobject_cast<QGroupBox *>(w))
                line("group", 0, group->title());
            dumpVisible(out, window, *w);
        }
    }
}

// The replica's file: what the window showed, one widget a line.
bool writeReplica(const QWidget &window, const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "window\t0\t0\t" << window.width() << '\t' << window.height() << "\t0\t\n";
    dumpVisible(out, window, window);
    return true;
}

int startupMain(int argc, char **argv, qint64 mainNs)
{
    // The same steps as the program's own main().
    QApplication app(argc, argv);
    setUpApplication();
    const qint64 appNs = wallNs();

    Environment env = makeProductionEnvironment();
    env.makeTrayIcon = [] { return std::make_unique<SystemTrayIcon>(); };
    const QString userDb = env.programFile(QLatin1StringView(kUserDbFile));
    if (QFile::exists(userDb))
        std::fprintf(stderr, "note: %s exists, so every selection reads it\n", qPrintable(userDb));
    frmMain window(env);
    const qint64 builtNs = wallNs();

    FirstPaint watch;
    window.installEventFilter(&watch);
    window.showAsLoaded();
    const qint64 showNs = wallNs();
    const int rc = waitForFirstPaint();
    if (rc != 0)
        return rc;

    // A start that shows the wrong country, or none, measures nothing.
    const std::optional<int> stored = env.settings->read(keys::CountryName);
    const QString shown = window.findChild<QLineEdit *>(QStringLiteral("txtCountryName"))->text();
    if (!stored || *stored < 0 || *stored >= kCountryCount || shown != qs(kCountryNames[std::size_t(*stored)])) {
        std::fprintf(stderr, "the window shows \"%s\", not the stored country\n", qPrintable(shown));
        return 3;
    }
    if (argc > 2 && !writeReplica(window, argv[2]))
        return 1;
    printStart(window, mainNs, appNs, builtNs, showNs, watch.paintedNs);
    return 0;
}

// The empty window, or with withText one line of text in it: any window that
// shows text first pays for the font system, which an empty one never starts.
int startupEmpty(int argc, char **argv, qint64 mainNs, bool withText)
{
    QApplication app(argc, argv);
    const qint64 appNs = wallNs();
    QWidget window;
    if (withText) {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("Orbilex"), &window));
    }
    const qint64 builtNs = wallNs();
    FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    const qint64 showNs = wallNs();
    const int rc = waitForFirstPaint();
    if (rc != 0)
        return rc;
    printStart(window, mainNs, appNs, builtNs, showNs, watch.paintedNs);
    return 0;
}

void addReplicaWidget(QWidget &window, const QStringList &f)
{
    const int flags = f[5].toInt();
    const QString &text = f[6];
    QWidget *w = nullptr;
    if (f[0] == u"edit") {
        auto *edit = new QLineEdit(text, &window);
        edit->setFrame(flags != 0);
        w = edit;
    } else if (f[0] == u"combo") {
        auto *combo = new QComboBox(&window);
        combo->setEditable(flags != 0);
        combo->addItem(text);
        w = combo;
    } else if (f[0] == u"note") {
        w = new QPlainTextEdit(text, &window);
    } else if (f[0] == u"list") {
        auto *list = new QListWidget(&window);
        if (!text.isEmpty())
            list->addItems(text.split(QLatin1Char('|')));
        w = list;
    } else if (f[0] == u"check") {
        auto *check = new QCheckBox(text, &window);
        check->setChecked(flags != 0);
        w = check;
    } else if (f[0] == u"button") {
        w = new QPushButton(text, &window);
    } else if (f[0] == u"label") {
        auto *label = new QLabel(text, &window);
        // The flag and the other pictures: a picture of the same size.
        if (flags != 0) {
            QPixmap picture(f[3].toInt(), f[4].toInt());
            picture.fill(Qt::darkCyan);
            label->setPixmap(picture);
        }
        w = label;
    } else if (f[0] == u"group") {
        w = new QGroupBox(text, &window);
    }
    if (w)
        w->setGeometry(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
}

int startupReplica(int argc, char **argv, qint64 mainNs)
{
    if (argc < 3) {
        std::fprintf(stderr, "startup-replica needs the file startup-main FILE wrote\n");
        return 64;
    }
    QApplication app(argc, argv);
    const qint64 appNs = wallNs();
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 1;
    QWidget window;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList f = in.readLine().split(QLatin1Char('\t'));
        if (f.size() != 7)
            continue;
        if (f[0] == u"window")
            window.resize(f[3].toInt(), f[4].toInt());
        else
            addReplicaWidget(window, f);
    }
    const qint64 builtNs = wallNs();
    FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    const qint64 showNs = wallNs();
    if (const int rc = waitForFirstPaint(); rc != 0)
        return rc;
    printStart(window, mainNs, appNs, builtNs, showNs, watch.paintedNs);
    return 0;
}

// Selection: the time of one change of the country list, cascade included.

double medianMs(std::vector<qint64> ns)
{
    if (ns.empty())
        return 0;
    std::sort(ns.begin(), ns.end());
    const std::size_t n = ns.size();
    const double mid = n % 2 ? double(ns[n / 2]) : (double(ns[n / 2 - 1]) + double(ns[n / 2])) / 2;
    return mid / 1e6;
}

double percentileMs(std::vector<qint64> ns, double p)
{
    if (ns.empty())
        return 0;
    std::sort(ns.begin(), ns.end());
    return double(ns[std::min(ns.size() - 1, std::size_t(p * double(ns.size())))]) / 1e6;
}

// Counts the paints of the window, so the repaint figure is known to hold one.
class PaintCounter final : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A user's file of a few overridden fields, one of them on the country the
// check below looks at.
constexpr int kCheckedCountry = 81;
constexpr const char *kCheckedLongName = "Own long name of 81";
constexpr const char *kUserDb = "[0]\nType=own type\n"
                                "[81]\nLongName=Own long name of 81\nGMT=+01:00 own\n"
                                "[100]\nLocation=own location\nInfoA=www.example.org\n"
                                "[181]\nNDD=0 own\n"
                                "[226]\nIDDD=011 own\nISONum=999\n";
constexpr int kUserDbSections = 5;

struct SelectionRun {
    std::vector<qint64> selectNs;
    std::vector<qint64> repaintNs;
    int paints = 0;
    int wrong = 0;
};

SelectionRun measureSelection(int rounds, bool withUserDb)
{
    test::TestEnvironment t;
    if (withUserDb) {
        QFile file(t.file(QLatin1StringView(kUserDbFile)));
        if (!file.open(QIODevice::WriteOnly) || file.write(kUserDb) < 0)
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    }
    frmMain window(t.env);
    window.showAsLoaded();
    QElapsedTimer wait;
    wait.start();
    while ((!window.windowHandle() || !window.windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();

    auto *list = window.findChild<QComboBox *>(QStringLiteral("cmbCountryName"));
    auto *name = window.findChild<QLineEdit *>(QStringLiteral("txtCountryName"));
    auto *longName = window.findChild<QLineEdit *>(QStringLiteral("txtLongName"));
    PaintCounter counter;
    window.installEventFilter(&counter);

    SelectionRun run;
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k < kCountryCount; ++k) {
            // Always the next entry, so every call is a real change of selection.
            const int i = (list->currentIndex() + 1) % kCountryCount;
            QElapsedTimer timer;
            timer.start();
            list->setCurrentIndex(i);
            run.selectNs.push_back(timer.nsecsElapsed());

            if (name->text() != qs(kCountryNames[std::size_t(i)]))
                ++run.wrong;
            if (withUserDb && i == kCheckedCountry && longName->text() != QLatin1StringView(kCheckedLongName))
                ++run.wrong;

            timer.restart();
            QCoreApplication::processEvents();
            run.repaintNs.push_back(timer.nsecsElapsed());
        }
    }
    run.paints = counter.paints;
    return run;
}

void printRun(const char *title, const SelectionRun &run, int rounds)
{
    std::printf(
        "%s: %.2f ms per country (%d countries x %d rounds)\n", title, medianMs(run.selectNs), kCountryCount, rounds);
    std::printf("  90th percentile %.2f ms, slowest %.2f ms; the repaint after it %.2f ms median (%d paints)\n",
        percentileMs(run.selectNs, 0.9), percentileMs(run.selectNs, 1.0), medianMs(run.repaintNs), run.paints);
    if (run.wrong)
        std::printf("  WRONG: %d selections did not show their country or override\n", run.wrong);
}

int selectionFigures(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::printf("platform %s, Qt %s\n", qPrintable(QGuiApplication::platformName()), qVersion());
    const SelectionRun plain = measureSelection(rounds, false);
    printRun("selection median", plain, rounds);
    const SelectionRun withDb = measureSelection(rounds, true);
    char title[96];
    std::snprintf(title, sizeof title, "selection median with userdb.ini (%d sections)", kUserDbSections);
    printRun(title, withDb, rounds);
    return plain.wrong || withDb.wrong ? 3 : 0;
}

// The clock tick: the window's own tick, local-time field included, against
// the steps the tick has without the field, done here on the same window's
// fields. Both write the same clock texts, or they measure different work.

struct DesignClocks {
    frmMain &window;
    Environment &env;
    QComboBox *list;
    QLineEdit *gmt, *countryTime, *utcTime, *systemTime;

    void tick() const
    {
        const QDateTime utc = env.clock->utcNow();
        window.setWindowTitle(QLatin1StringView(kProgramTitle) + QStringLiteral(" - ") + list->currentText()
            + QStringLiteral(" - ") + countryTime->text());
        if (env.settings->holds(keys::EnableTray, true) && window.trayWindow())
            window.trayWindow()->setToolTip(window.windowTitle());
        utcTime->setText(clockText(utc.time()));
        const std::optional<int> minutes = deviationMinutes(gmt->text());
        countryTime->setText(minutes ? countryTimeText(utc.time(), *minutes) : QStringLiteral(".unknown"));
        systemTime->setText(clockText(env.clock->localNow().time()));
    }
    QString texts() const { return utcTime->text() + countryTime->text() + systemTime->text(); }
};

int tickFigures(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int ticks = argc > 2 ? std::max(100, std::atoi(argv[2])) : 20000;
    test::TestEnvironment t;
    t.clock->utc = QDateTime(QDate(2026, 1, 15), QTime(12, 0, 0), Qt::UTC);
    frmMain window(t.env);
    window.showAsLoaded();
    // Nepal: the field shows its time marked as differing from the country clock.
    auto *list = window.findChild<QComboBox *>(QStringLiteral("cmbCountryName"));
    list->setCurrentIndex(list->findText(QStringLiteral("Nepal")));
    const auto field = [&](const char *name) { return window.findChild<QLineEdit *>(QLatin1StringView(name)); };
    const DesignClocks design {
        window, t.env, list, field("txtGMT"), field("txtcTime"), field("txtGMTc"), field("txtClock")};
    QLineEdit *localTime = field("txtTzTime");
    auto *timer = window.findChild<QTimer *>(QStringLiteral("timClock"));
    timer->stop();

    std::vector<qint64> withField, without;
    int wrong = 0;
    for (int i = 0; i < ticks; ++i) {
        t.clock->utc = t.clock->utc.addSecs(1);
        t.clock->local = t.clock->local.addSecs(1);
        QElapsedTimer timing;
        timing.start();
        design.tick();
        without.push_back(timing.nsecsElapsed());
        const QString designTexts = design.texts();
        timing.restart();
        QMetaObject::invokeMethod(timer, "timeout");
        withField.push_back(timing.nsecsElapsed());
        if (design.texts() != designTexts || !localTime->text().startsWith(u'≠'))
            ++wrong;
        QCoreApplication::processEvents();
    }
    const double w = medianMs(withField);
    const double o = medianMs(without);
    std::printf("clock tick: %.4f ms with the local-time field, %.4f ms without it, ratio %.2f "
                "(medians of %d ticks each, Nepal)\n",
        w, o, w / o, ticks);
    if (wrong)
        std::printf("  WRONG: %d ticks wrote other clock texts than the steps without the field\n", wrong);
    return wrong ? 3 : 0;
}

// IP lookup: the source the IP window asks, against libmaxminddb used bare.

// Public addresses spread over the whole space, the same in every run.
std::vector<QString> benchAddresses(std::size_t count)
{
    std::vector<QString> list;
    list.reserve(count);
    quint32 x = 0x2545F491;
    while (list.size() < count) {
        x = x * 1664525u + 1013904223u;
        const quint32 first = x >> 24;
        if (first == 0 || first == 10 || first == 127 || first >= 224)
            continue;
        list.push_back(QStringLiteral("%1.%2.%3.%4").arg(first).arg((x >> 16) & 255).arg((x >> 8) & 255).arg(x & 255));
    }
    return list;
}

// The code libmaxminddb finds for an entry, as a caller of its own would read it.
QString bareCode(MMDB_lookup_result_s result)
{
    MMDB_entry_data_s data {};
    if (!result.found_entry || MMDB_get_value(&result.entry, &data, "country_code", nullptr) != MMDB_SUCCESS
        || !data.has_data || data.type != MMDB_DATA_TYPE_UTF8_STRING)
        return {};
    return QString::fromUtf8(data.utf8_string, qsizetype(data.data_size));
}

int ipFigures(int argc, char **argv, qint64 mainNs)
{
    QCoreApplication app(argc, argv);
    const QString file = argc > 2
        ? QString::fromLocal8Bit(argv[2])
        : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ip-country.mmdb"));
    const QFileInfo info(file);

    // The first lookup: find and open the file (digest check included), then answer.
    QElapsedTimer first;
    first.start();
    MmdbDatabase source({info.absolutePath()}, info.fileName());
    if (!source.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(source.problem()));
        return 1;
    }
    const qint64 openNs = first.nsecsElapsed();
    const QString firstAnswer = source.shortName(QStringLiteral("193.0.6.139"));
    const qint64 firstNs = first.nsecsElapsed();
    const qint64 fromStartNs = wallNs() - mainNs;

    MMDB_s bare {};
    if (MMDB_open(QFile::encodeName(file).constData(), MMDB_MODE_MMAP, &bare) != MMDB_SUCCESS) {
        std::fprintf(stderr, "libmaxminddb cannot open %s\n", qPrintable(file));
        return 1;
    }
    const std::vector<QString> addresses = benchAddresses(4096);
    std::vector<QByteArray> texts;
    std::vector<sockaddr_in> numbers;
    for (const QString &a : addresses) {
        texts.push_back(a.toLatin1());
        sockaddr_in s {};
        s.sin_family = AF_INET;
        s.sin_addr.s_addr = qToBigEndian(*parseDottedQuad(a));
        numbers.push_back(s);
    }

    // Both must give the same answers, or the figures compare different work.
    int wrong = 0;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        int gai = 0;
        int error = 0;
        const QString code = bareCode(MMDB_lookup_string(&bare, texts[i].constData(), &gai, &error));
        const QString listed = countryListCode(code);
        const QString expected = code.isEmpty() ? QStringLiteral("-")
            : listed.isEmpty()                  ? QStringLiteral("--")
                                                : listed;
        if (source.shortName(addresses[i]) != expected)
            ++wrong;
    }

    // Rounds of the whole list, the kinds taken in turn so that each meets the
    // same caches and clock speed; one lookup is a round's time over its count.
    constexpr int kRounds = 101;
    std::vector<qint64> viaSource, viaPair, bareText, bareNumber;
    qsizetype sink = 0;
    const auto perLookup = [&](QElapsedTimer &t) { return t.nsecsElapsed() * 1000 / qint64(addresses.size()); };
    for (int r = 0; r < kRounds; ++r) {
        QElapsedTimer t;
        t.start();
        for (const QString &a : addresses)
            sink += source.shortName(a).size();
        viaSource.push_back(perLookup(t));
        t.restart();
        for (const QByteArray &a : texts) {
            int gai = 0;
            int error = 0;
            sink += bareCode(MMDB_lookup_string(&bare, a.constData(), &gai, &error)).size();
        }
        bareText.push_back(perLookup(t));
        t.restart();
        for (const sockaddr_in &a : numbers) {
            int error = 0;
            sink += bareCode(MMDB_lookup_sockaddr(&bare, reinterpret_cast<const sockaddr *>(&a), &error)).size();
        }
        bareNumber.push_back(perLookup(t));
        t.restart();
        for (const QString &a : addresses)
            sink += source.shortName(a).size() + source.longName(a).size();
        viaPair.push_back(perLookup(t));
    }
    MMDB_close(&bare);

    // medianMs of picoseconds gives microseconds.
    const double s = medianMs(viaSource);
    const double text = medianMs(bareText);
    const double number = medianMs(bareNumber);
    std::printf("ip lookup: %.3f us through the source, %.3f us bare libmaxminddb from the text address, "
                "ratio %.2f (medians, %zu addresses x %d rounds)\n",
        s, text, s / text, addresses.size(), kRounds);
    std::printf("  bare libmaxminddb from the address as a number %.3f us, ratio %.2f; a conversion's pair "
                "(short and long name) %.3f us\n",
        number, s / number, medianMs(viaPair));
    std::printf("  first lookup after start: open with digest check %.2f ms, first answer (%s) %.2f ms, "
                "%.2f ms after the process started\n",
        double(openNs) / 1e6, qPrintable(firstAnswer), double(firstNs) / 1e6, double(fromStartNs) / 1e6);
    if (wrong)
        std::printf("  WRONG: %d addresses answered differently from libmaxminddb\n", wrong);
    return wrong || sink < 0 ? 3 : 0;
}

// The search box: every prefix of each text is one keystroke, after the
// preparation the box starts when it takes the focus.
int searchFigures(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList texts = {QStringLiteral("ger"), QStringLiteral("ivory coast"), QStringLiteral("+1 684 633 1234"),
        QStringLiteral("EUR"), QStringLiteral("montr")};
    QElapsedTimer prepare;
    prepare.start();
    prepareCountrySearch();
    QThreadPool::globalInstance()->waitForDone();
    const qint64 prepareNs = prepare.nsecsElapsed();
    constexpr int kRounds = 51;
    std::vector<qint64> keystrokeNs;
    std::size_t sink = 0;
    for (int r = 0; r < kRounds; ++r)
        for (const QString &text : texts)
            for (qsizetype n = 1; n <= text.size(); ++n) {
                QElapsedTimer t;
                t.start();
                sink += searchCountries(text.left(n), 12).size();
                keystrokeNs.push_back(t.nsecsElapsed());
            }
    std::printf("search: %.3f ms per keystroke median, 90th percentile %.3f ms, slowest %.3f ms (%zu keystrokes "
                "over %d records)\n",
        medianMs(keystrokeNs), percentileMs(keystrokeNs, 0.9), percentileMs(keystrokeNs, 1.0), keystrokeNs.size(),
        kCountryCount);
    std::printf("  prepared on a worker thread when the box takes the focus: index and phone metadata %.2f ms\n",
        double(prepareNs) / 1e6);
    return sink == 0 ? 3 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const qint64 mainNs = wallNs();
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "select")
        return selectionFigures(argc, argv);
    if (mode == "startup-main")
        return startupMain(argc, argv, mainNs);
    if (mode == "startup-empty")
        return startupEmpty(argc, argv, mainNs, false);
    if (mode == "startup-text")
        return startupEmpty(argc, argv, mainNs, true);
    if (mode == "startup-replica")
        return startupReplica(argc, argv, mainNs);
    if (mode == "ip")
        return ipFigures(argc, argv, mainNs);
    if (mode == "search")
        return searchFigures(argc, argv);
    if (mode == "tick")
        return tickFigures(argc, argv);
    std::fprintf(stderr,
        "usage: %s select [rounds] | startup-main [REPLICA_FILE] | startup-empty | startup-text | "
        "startup-replica FILE | ip [FILE.mmdb] | search | tick [ticks]\n",
        argv[0]);
    return 64;
}
