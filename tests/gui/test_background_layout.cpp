// Lays every registered exercise form over the background picture it shows and
// checks that the two still fit: nothing drawn under a control, the row guides
// on the form's rows, tiles and texts standing out from what is around them.

#include "app/application.h"
#include "app/resources.h"
#include "app/stage_image.h"
#include "controls/ext_image.h"
#include "controls/labels.h"
#include "drills/words/slovicka_form.h"
#include "drills/words/slovicka_topics_form.h"
#include "screens/game_catalogue.h"
#include "support/game_player.h"
#include "support/running_program.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>

using namespace vz;
using namespace vz::test;

namespace {

// A colour channel may differ by this much and still count as the same paint
// (the faintest ruled line of the pictures differs by 21 from its panel).
constexpr int kSameColour = 10;
// Pixels off the main paint under a control (inset by 2) beyond these are a drawing
// under it; rounded slot corners leave a few, a line or a word many more.
constexpr double kStrayPixels = 5;
constexpr double kStrayShare = 0.002;
// Row guides: horizontal edges at least this long; they repeat row to row within kGuideSlack.
constexpr int kGuideLength = 120;
constexpr int kGuideSlack = 2;
// A text against the paint under it: luminance contrast as for large text.
constexpr double kTextContrast = 3.0;
// A filled tile, chip or field against the paint around it: colour distance
// (CIE76); a pale yellow gap on white is about 29 apart, white on the near-white
// panel under 4, white on the light blue cards 13.5.
constexpr double kTileDistance = 12.0;

bool same(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))}) <= kSameColour;
}

// sRGB channel to linear light.
double linear(int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

double luminance(QRgb c) {
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

// WCAG contrast ratio, 1 ... 21.
double contrast(QRgb a, QRgb b) {
    // The initializer-list overload returns values; the two-argument one would
    // return references to the temporaries.
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// CIE76 colour distance (D65).
double distance(QRgb a, QRgb b) {
    const auto lab = [](QRgb c) {
        const double r = linear(qRed(c)), g = linear(qGreen(c)), b = linear(qBlue(c));
        const auto f = [](double t) {
            return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116;
        };
        const double x = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
        const double y = f(luminance(c));
        const double z = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
        return std::array{116 * y - 16, 500 * (x - y), 200 * (y - z)};
    };
    const auto p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

// The paint most of `pixels` have, and how many differ from it.
std::pair<QRgb, int> dominant(const QVector<QRgb>& pixels) {
    QHash<QRgb, int> counts;
    for (QRgb p : pixels)
        ++counts[p];
    QRgb mode = 0;
    int best = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > best)
            std::tie(mode, best) = std::pair{it.key(), it.value()};
    }
    const int stray = int(
        std::count_if(pixels.cbegin(), pixels.cend(), [mode](QRgb p) { return !same(p, mode); }));
    return {mode, stray};
}

QVector<QRgb> pixelsIn(const QImage& picture, const QRect& area, const QRect& hole = {}) {
    QVector<QRgb> pixels;
    const QRect inside = area & picture.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (!hole.contains(x, y))
                pixels << picture.pixel(x, y);
        }
    }
    return pixels;
}

// One visible control as the pupil sees it on the form.
struct Control {
    QString name;
    QRect area;    // where it covers or writes on the background
    bool window;   // shows the background's own face for it (a switch before its first click)
    QRgb fill = 0; // its own face, when it paints one
    QRgb text = 0; // its text colour, when it writes on the background
    bool filled = false;
    bool writes = false;
};

QString describe(const QWidget* w) {
    const QString name =
        w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
    if (auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty())
        return name + " \"" + label->text() + "\"";
    return name;
}

// A plain panel raised over the control (the cover of the lower rows) hides it.
bool covered(const QWidget* form, const QWidget* w, const QRect& area) {
    const QWidget* top = w;
    while (top->parentWidget() != form)
        top = top->parentWidget();
    const QObjectList& siblings = form->children();
    for (qsizetype i = siblings.indexOf(top) + 1; i < siblings.size(); ++i) {
        auto* panel = qobject_cast<QWidget*>(siblings[i]);
        if (panel && panel->isVisible() && panel->autoFillBackground() &&
            QString(panel->metaObject()->className()) == "QWidget" &&
            panel->geometry().contains(area))
            return true;
    }
    return false;
}

QVector<Control> controlsOf(TExerciseForm* form) {
    QVector<Control> found;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->width() < 6 || w->height() < 6)
            continue;
        // Marks and the continue button show their pictures only later, still on plain paint.
        const bool mark = w == form->Pokr || form->Vyhodn.contains(w);
        Control c{describe(w), QRect(w->mapTo(form, QPoint(0, 0)), w->size()), false};
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty())
                continue;
            c.filled = label->autoFillBackground();
            c.fill = label->palette().color(label->backgroundRole()).rgb();
            c.writes = !c.filled;
            c.text = label->palette().color(label->foregroundRole()).rgb();
            if (c.writes) { // only where the letters stand
                const QFontMetrics metrics(label->font());
                const QSize size(metrics.horizontalAdvance(label->text()), metrics.height());
                c.area = QStyle::alignedRect(Qt::LeftToRight, label->alignment(), size,
                                             label->contentsRect().translated(c.area.topLeft())) &
                         c.area;
            }
        } else if (auto* image = qobject_cast<TExtImage*>(w)) {
            c.window = !mark && image->picture().isNull();
        } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
            c.filled = true;
            c.fill = field->palette().color(QPalette::Base).rgb();
        } else if (!qobject_cast<TBMPLabel*>(w)) {
            continue;
        }
        if (!covered(form, w, c.area))
            found << c;
    }
    return found;
}

// A picture with one pixel per stage unit, whatever the screen's density.
QImage atStage(const QImage& image) {
    QImage result = image.convertToFormat(QImage::Format_RGB32);
    if (image.devicePixelRatio() != 1.0)
        result = result.scaled(stageSize(image), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    result.setDevicePixelRatio(1);
    return result;
}

// The installed picture (ten-row or five-row) the form shows under its own additions.
QImage shownPicture(const TempInstall& install, const QString& code, const QImage& shown) {
    QImage best;
    qint64 bestDiff = -1;
    for (const char* suffix : {"", "_5"}) {
        // The layout is judged in stage units, on the picture drawn for them.
        const qreal density = pictureDensity();
        setPictureDensity(1);
        QImage candidate =
            tryLoadPicture(install.resDir() + "/bmp/bg_0" + code + QLatin1String(suffix) + ".bmp");
        setPictureDensity(density);
        if (candidate.isNull() || stageSize(candidate) != shown.size())
            continue;
        candidate = atStage(candidate);
        qint64 diff = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x)
                diff += !same(candidate.pixel(x, y), shown.pixel(x, y));
        }
        if (bestDiff < 0 || diff < bestDiff)
            std::tie(best, bestDiff) = std::pair{candidate, diff};
    }
    return best;
}

// Heights where the background draws a long horizontal edge.
QVector<int> guides(const QImage& picture) {
    QVector<int> rows;
    for (int y = 1; y < picture.height(); ++y) {
        int run = 0, longest = 0;
        for (int x = 0; x < picture.width(); ++x) {
            run = same(picture.pixel(x, y), picture.pixel(x, y - 1)) ? 0 : run + 1;
            longest = std::max(longest, run);
        }
        if (longest >= kGuideLength)
            rows << y;
    }
    return rows;
}

// Every finding for the page on the form, one line each.
QStringList findings(TExerciseForm* form, const QImage& picture) {
    QStringList found;
    const auto report = [&found](const Control& c, const QString& what, double value) {
        found << QStringLiteral("%1 at %2,%3 %4x%5: %6 %7")
                     .arg(c.name)
                     .arg(c.area.x())
                     .arg(c.area.y())
                     .arg(c.area.width())
                     .arg(c.area.height())
                     .arg(what)
                     .arg(value, 0, 'f', 1);
    };
    for (const Control& c : controlsOf(form)) {
        const QRect inner = c.area.adjusted(2, 2, -2, -2);
        const auto [under, stray] = dominant(pixelsIn(picture, c.writes ? c.area : inner));
        if (!c.window &&
            stray > std::max(kStrayPixels, kStrayShare * inner.width() * inner.height()))
            report(c, "pixels of text or lines under it:", stray);
        if (c.writes && contrast(c.text, under) < kTextContrast)
            report(c, "text contrast against the paint under it:", contrast(c.text, under));
        const QRgb around =
            dominant(pixelsIn(picture, c.area.adjusted(-3, -3, 3, 3), c.area)).first;
        if (c.filled && distance(c.fill, around) < kTileDistance)
            report(c, "colour distance from the paint around it:", distance(c.fill, around));
    }
    // The guides drawn in the first row's band recur in every following band, at the
    // distance of the form's rows (the bands start at the marks' tops; the last one is open).
    QVector<int> tops;
    for (const TExtImage* mark : form->Vyhodn) {
        if (mark->isVisible())
            tops << mark->geometry().top();
    }
    std::sort(tops.begin(), tops.end());
    tops.erase(std::unique(tops.begin(), tops.end()), tops.end());
    const QVector<int> lines = guides(picture);
    const auto hasGuide = [&lines](int y) {
        return std::any_of(lines.cbegin(), lines.cend(),
                           [y](int g) { return std::abs(g - y) <= kGuideSlack; });
    };
    for (int y : lines) {
        if (tops.size() < 3 || y < tops[0] || y >= tops[1])
            continue; // the first band is the pattern; a single divider further down is free
        for (int i = 1; i + 1 < tops.size(); ++i) {
            if (!hasGuide(y - tops[0] + tops[i]))
                found << QStringLiteral("the row guide at y %1 is missing at y %2 (row %3)")
                             .arg(y)
                             .arg(y - tops[0] + tops[i])
                             .arg(i + 1);
        }
    }
    return found;
}

} // namespace

class TestBackgroundLayout : public QObject {
    Q_OBJECT
private slots:
    void init() { running = std::make_unique<RunningProgram>(RunningProgram::withGameContent); }
    void cleanup() { running.reset(); }

    // Every game of the catalogue whose exercise form is registered, every page of a
    // count of fifteen (a five-row page last where pages have ten rows), dealt and checked.
    void backgroundsFitTheirForms_data() {
        QTest::addColumn<QString>("code");
        for (const GameInfo& game : GameCatalogue())
            QTest::newRow(qPrintable(game.code())) << game.code();
    }
    void backgroundsFitTheirForms() {
        QFETCH(QString, code);
        GamePlayer player(running->program.get(), [](TExerciseForm*, int, bool) {});
        TExerciseForm* first = player.start(code, 2);
        if (!first)
            QSKIP("no exercise form registered for this game");
        // 7e opens on its topic page: tick all topics and go on to the drill.
        if (auto* topics = qobject_cast<TwndSlovickaObl*>(first)) {
            QTest::mouseClick(topics->lbAll, Qt::LeftButton);
            TwndSlovicka* drill = topics->drill();
            QTest::mouseClick(topics->Pokr, Qt::LeftButton);
            player.follow(drill);
        }
        QStringList found;
        const auto inspect = [&] {
            TExerciseForm* form = player.form();
            const QImage shown = atStage(form->Background);
            const QImage picture = shownPicture(running->install, code, shown);
            found << (picture.isNull() ? QStringList{"no installed background"}
                                       : findings(form, picture));
        };
        for (int page = 1; page <= 8 && !player.form()->isReleased(); ++page) {
            inspect();
            player.answerPage(); // unanswered, so every row gets its mark
            inspect();
            player.pressContinue();
        }
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable(code + ":\n" + found.join('\n')));
    }

private:
    std::unique_ptr<RunningProgram> running;
};

VZ_GUI_TEST_MAIN(TestBackgroundLayout)
#include "test_background_layout.moc"
