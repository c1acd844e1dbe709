// Korvalin dial tester - the window and its controls as Qt widgets.
#include "platform/qt/qt_controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>
#include <map>

#include "platform/qt/qt_picture.h"

namespace kvl {

namespace {

// The layout is fixed in pixels and its scales are spaced with blanks for a
// narrow 8 point face; the built-in sans face (metrics of the classic desktop
// face) at this size fits every text and lines the scale numbers up with the
// track bars' ticks on every machine, whatever the system's font is.
constexpr int windowFontPixelSize = 11;
// Texts that would be cut off shrink, but not below this.
constexpr int smallestFontPixelSize = 8;
constexpr int listRowHeight = 18;

QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Starting from the window's face, shrinks a control's face until its text
// fits the room the fixed layout gives it.
// A text this little too wide is drawn a shade tighter instead of smaller:
// shrinking a scale label would move its numbers off the ticks they stand under.
constexpr int tighteningLimit = 3;

// Starting from the window's face, shrinks a control's face until its text
// fits the room the fixed layout gives it.
void fitFont(QWidget *w, const QString &text, int width, int height) {
    if (text.isEmpty()) return;
    QFont font = w->parentWidget() ? w->parentWidget()->font() : w->font();
    for (int size = font.pixelSize(); size > smallestFontPixelSize; --size) {
        font.setPixelSize(size);
        const QFontMetrics fm(font);
        if (fm.height() > height) continue;
        const int over = fm.boundingRect(text).right() + 1 - width;
        if (over <= 0) break;
        if (over <= tighteningLimit && text.size() > 1) {
            font.setLetterSpacing(QFont::AbsoluteSpacing, -qreal(over + 1) / (text.size() - 1));
            break;
        }
    }
    w->setFont(font);
}

// The room a push button leaves its text inside its bevel and margins.
void fitButtonFont(QPushButton *button, const QString &shown, Rect r) {
    QStyle *style = button->style();
    const int inset = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) / 2 +
                           style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    QString plain = shown;
    plain.replace(QStringLiteral("&&"), QStringLiteral("&"));
    fitFont(button, plain, r.width - inset, r.height);
}

// Buttons read "&" as a mnemonic; the system's texts are shown as they are.
QString buttonText(const std::string &text) {
    return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

std::string plainButtonText(const QString &shown) {
    return QString(shown).replace(QStringLiteral("&&"), QStringLiteral("&")).toStdString();
}

// The client area as one fixed-size top-level window. Its close request is
// refused here and reported, because only the program decides when it ends
// (during a test a close request must change nothing).
class MainWindow : public QWidget {
public:
    std::function<void()> onCloseRequest;

protected:
    // A window manager that maximises anyway (or a double click on the title)
    // must not change the fixed layout.
    void changeEvent(QEvent *event) override {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::WindowStateChange &&
            (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    }
    void resizeEvent(QResizeEvent *event) override {
        QWidget::resizeEvent(event);
        if (event->size() != minimumSize() && minimumSize() == maximumSize()) resize(minimumSize());
    }
    void closeEvent(QCloseEvent *event) override {
        event->ignore();
        if (onCloseRequest) onCloseRequest();
    }
};

enum class Kind { Label, Button, Toggle, TrackBar, ImageView, List, ScrollArea };

struct Control {
    Kind kind = Kind::Label;
    QWidget *widget = nullptr;
    int picture = -1;
    // What the view shows now, so that setting the same unchanged picture
    // again (the lamps, a thousand times a second) costs nothing.
    qint64 shownKey = 0;
    QScrollArea *scroll() const { return static_cast<QScrollArea *>(widget); }
};

}  // namespace

struct QtControls::Impl {
    explicit Impl(PictureStore &store) : pictures(store) {}

    PictureStore &pictures;
    MainWindow *window = nullptr;
    std::map<int, Control> controls;
    // Per picture number the pixmap made from it and the image's cache key at
    // that time; a replaced or redrawn picture has another key.
    struct CachedPixmap {
        qint64 key = 0;
        QPixmap pixmap;
    };
    std::map<int, CachedPixmap> pixmaps;
    std::function<void(const WindowEvent &)> sink;

    void deliver(WindowEvent e) {
        if (sink) sink(e);
    }

    const Control *find(int id) const {
        auto it = controls.find(id);
        return it == controls.end() ? nullptr : &it->second;
    }
    Control *find(int id) {
        auto it = controls.find(id);
        return it == controls.end() ? nullptr : &it->second;
    }

    QWidget *parentFor(int parent) {
        if (parent != 0) {
            Control *c = find(parent);
            if (c && c->kind == Kind::ScrollArea) return c->scroll()->widget();
        }
        return window;
    }

    // Earlier controls stand in front of later ones, as the layout was drawn
    // for: the sliders, scale labels and readouts are created before the gauge
    // faces they lie on.
    Control &add(int id, Kind kind, QWidget *w, Rect r) {
        w->setGeometry(r.x, r.y, std::max(r.width, 0), std::max(r.height, 0));
        w->lower();
        w->show();
        Control &c = controls[id];
        if (c.widget) delete c.widget;
        c = Control{};
        c.kind = kind;
        c.widget = w;
        return c;
    }

    // nullptr when the store has no such picture.
    const QPixmap *pixmapFor(int number, qint64 *key) {
        Picture *p = pictures.find(number);
        if (!p) return nullptr;
        const QImage &image = qImage(*p);
        CachedPixmap &cached = pixmaps[number];
        if (cached.pixmap.isNull() || cached.key != image.cacheKey()) {
            cached.pixmap = QPixmap::fromImage(image);
            cached.key = image.cacheKey();
        }
        *key = cached.key;
        return &cached.pixmap;
    }

    void showPicture(Control &c, int number) {
        auto *view = static_cast<QLabel *>(c.widget);
        c.picture = number;
        qint64 key = 0;
        const QPixmap *pixmap = pixmapFor(number, &key);
        if (!pixmap) {
            // Nothing to show: the view keeps its size and stays empty.
            view->clear();
            c.shownKey = 0;
            return;
        }
        if (c.shownKey == key) return;
        c.shownKey = key;
        view->setPixmap(*pixmap);
        if (view->size() != pixmap->size()) view->resize(pixmap->size());
    }
};

QtControls::QtControls(PictureStore &pictures) : d(std::make_unique<Impl>(pictures)) {}

QtControls::~QtControls() {
    destroyAll();
}

void QtControls::createWindow(int clientWidth, int clientHeight, const std::string &title,
                              int iconPicture) {
    destroyAll();
    // The program ends only through its own end sequence, never because a
    // message box shown before or after the window happened to be the last.
    QApplication::setQuitOnLastWindowClosed(false);
    auto *w = new MainWindow;
    w->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                      Qt::WindowCloseButtonHint);
    w->setFixedSize(clientWidth, clientHeight);
    w->setWindowTitle(QString::fromStdString(title));
    w->setAutoFillBackground(true);
    w->setBackgroundRole(QPalette::Window);
    QFont font(builtInFont(TextFont::Surface).family());
    font.setPixelSize(windowFontPixelSize);
    font.setWeight(QFont::Normal);
    w->setFont(font);
    if (Picture *icon = d->pictures.find(iconPicture))
        w->setWindowIcon(QIcon(QPixmap::fromImage(qImage(*icon))));
    w->onCloseRequest = [this] { d->deliver({WindowEvent::Kind::Close, 0}); };
    d->window = w;
}

void QtControls::createLabel(int id, Rect r, const std::string &text, std::optional<Rgb> front,
                             std::optional<Rgb> back) {
    if (!d->window) return;
    auto *label = new QLabel(QString::fromStdString(text), d->window);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMargin(0);
    label->setIndent(0);
    QPalette palette = label->palette();
    if (front) {
        // Only the active and inactive groups: a disabled label still greys out.
        palette.setColor(QPalette::Active, QPalette::WindowText, toQColor(*front));
        palette.setColor(QPalette::Inactive, QPalette::WindowText, toQColor(*front));
    }
    if (back) {
        palette.setColor(QPalette::Window, toQColor(*back));
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
    fitFont(label, label->text(), r.width, r.height);
    d->add(id, Kind::Label, label, r);
}

void QtControls::createButton(int id, Rect r, const std::string &text) {
    if (!d->window) return;
    auto *button = new QPushButton(buttonText(text), d->window);
    button->setAutoDefault(false);
    fitButtonFont(button, button->text(), r);
    QObject::connect(button, &QPushButton::clicked, [this, id] {
        d->deliver({WindowEvent::Kind::Control, id});
    });
    d->add(id, Kind::Button, button, r);
}

void QtControls::createToggle(int id, Rect r, const std::string &text) {
    if (!d->window) return;
    auto *button = new QPushButton(buttonText(text), d->window);
    button->setCheckable(true);
    button->setAutoDefault(false);
    fitButtonFont(button, button->text(), r);
    // clicked comes only from the user (or click()), never from setChecked.
    QObject::connect(button, &QPushButton::clicked, [this, id] {
        d->deliver({WindowEvent::Kind::Control, id});
    });
    d->add(id, Kind::Toggle, button, r);
}

void QtControls::createTrackBar(int id, Rect r, int minimum, int maximum, int value) {
    if (!d->window) return;
    auto *slider = new QSlider(Qt::Horizontal, d->window);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    // actionTriggered is the user's move (mouse, keys, wheel); setValue from
    // the program does not emit it.
    QObject::connect(slider, &QSlider::actionTriggered, [this, id](int) {
        d->deliver({WindowEvent::Kind::Control, id});
    });
    d->add(id, Kind::TrackBar, slider, r);
}

void QtControls::createImageView(int id, Rect r, int pictureNumber, int parent) {
    if (!d->window) return;
    auto *view = new QLabel(d->parentFor(parent));
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view->setMargin(0);
    // No background of its own: lamps with a mask show the window through.
    view->setAutoFillBackground(false);
    Control &c = d->add(id, Kind::ImageView, view, r);
    d->showPicture(c, pictureNumber);
}

void QtControls::createList(int id, Rect r, Rgb front, Rgb back) {
    if (!d->window) return;
    auto *table = new QTableWidget(d->window);
    table->setColumnCount(0);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setShowGrid(true);
    table->setSortingEnabled(false);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(listRowHeight);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->horizontalHeader()->setSectionsClickable(false);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setStretchLastSection(false);
    QPalette palette = table->palette();
    palette.setColor(QPalette::Base, toQColor(back));
    palette.setColor(QPalette::AlternateBase, toQColor(back));
    palette.setColor(QPalette::Text, toQColor(front));
    table->setPalette(palette);
    d->add(id, Kind::List, table, r);
}

void QtControls::addListColumn(int id, const std::string &title, int width) {
    Control *c = d->find(id);
    if (!c || c->kind != Kind::List) return;
    auto *table = static_cast<QTableWidget *>(c->widget);
    const int column = table->columnCount();
    table->setColumnCount(column + 1);
    table->setHorizontalHeaderItem(column, new QTableWidgetItem(QString::fromStdString(title)));
    table->setColumnWidth(column, width);
}

void QtControls::createScrollArea(int id, Rect r, int innerWidth, int innerHeight, int scrollStep) {
    if (!d->window) return;
    auto *area = new QScrollArea(d->window);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(false);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The area's own size first: the scroll bars needed are decided when the
    // inner widget arrives, and a default-sized area would keep both.
    area->setGeometry(r.x, r.y, std::max(r.width, 0), std::max(r.height, 0));
    auto *inner = new QWidget;
    inner->resize(innerWidth, innerHeight);
    area->setWidget(inner);
    area->horizontalScrollBar()->setSingleStep(scrollStep);
    area->verticalScrollBar()->setSingleStep(scrollStep);
    d->add(id, Kind::ScrollArea, area, r);
}

void QtControls::setToolTip(int id, const std::string &text) {
    if (Control *c = d->find(id)) c->widget->setToolTip(QString::fromStdString(text));
}

void QtControls::showWindow() {
    if (!d->window) return;
    MainWindow *w = d->window;
    const QRect screen = (w->screen() ? w->screen() : QGuiApplication::primaryScreen())->geometry();
    auto centre = [&](QSize outer) {
        outer = outer.boundedTo(screen.size());
        w->move(screen.x() + (screen.width() - outer.width()) / 2,
                screen.y() + (screen.height() - outer.height()) / 2);
    };
    centre(w->size());
    w->showNormal();
    // The frame is known only once the window is shown; centre the outer size.
    const QSize outer = w->frameGeometry().size();
    if (outer != w->size()) centre(outer);
}

void QtControls::destroyAll() {
    d->controls.clear();
    d->pixmaps.clear();
    // Widgets can only be released while the application object lives; at
    // process end without it the system takes them back.
    if (QCoreApplication::instance()) delete d->window;
    d->window = nullptr;
}

void QtControls::setVisible(int id, bool visible) {
    if (Control *c = d->find(id)) c->widget->setVisible(visible);
}

bool QtControls::isVisible(int id) const {
    // The control's own state, also before the window is shown.
    const Control *c = d->find(id);
    return c && !c->widget->isHidden();
}

void QtControls::setEnabled(int id, bool enabled) {
    if (Control *c = d->find(id)) c->widget->setEnabled(enabled);
}

bool QtControls::isEnabled(int id) const {
    const Control *c = d->find(id);
    return c && c->widget->isEnabled();
}

void QtControls::setText(int id, const std::string &text) {
    Control *c = d->find(id);
    if (!c) return;
    const QRect g = c->widget->geometry();
    const Rect room{g.x(), g.y(), g.width(), g.height()};
    if (c->kind == Kind::Label) {
        auto *label = static_cast<QLabel *>(c->widget);
        label->setText(QString::fromStdString(text));
        fitFont(label, label->text(), room.width, room.height);
    } else if (c->kind == Kind::Button || c->kind == Kind::Toggle) {
        auto *button = static_cast<QPushButton *>(c->widget);
        button->setText(buttonText(text));
        fitButtonFont(button, button->text(), room);
    }
}

std::string QtControls::text(int id) const {
    const Control *c = d->find(id);
    if (!c) return {};
    if (c->kind == Kind::Label) return static_cast<QLabel *>(c->widget)->text().toStdString();
    if (c->kind == Kind::Button || c->kind == Kind::Toggle)
        return plainButtonText(static_cast<QPushButton *>(c->widget)->text());
    return {};
}

void QtControls::setState(int id, int state) {
    Control *c = d->find(id);
    if (!c) return;
    if (c->kind == Kind::Toggle)
        static_cast<QPushButton *>(c->widget)->setChecked(state != 0);
    else if (c->kind == Kind::TrackBar)
        static_cast<QSlider *>(c->widget)->setValue(state);
}

int QtControls::state(int id) const {
    const Control *c = d->find(id);
    if (!c) return 0;
    if (c->kind == Kind::Toggle) return static_cast<QPushButton *>(c->widget)->isChecked() ? 1 : 0;
    if (c->kind == Kind::TrackBar) return static_cast<QSlider *>(c->widget)->value();
    return 0;
}

void QtControls::setPicture(int viewId, int pictureNumber) {
    Control *c = d->find(viewId);
    if (c && c->kind == Kind::ImageView) d->showPicture(*c, pictureNumber);
}

int QtControls::picture(int viewId) const {
    const Control *c = d->find(viewId);
    return c && c->kind == Kind::ImageView ? c->picture : -1;
}

void QtControls::repaintNow(int id) {
    if (Control *c = d->find(id)) c->widget->repaint();
}

void QtControls::setScrollInnerWidth(int id, int width) {
    Control *c = d->find(id);
    if (!c || c->kind != Kind::ScrollArea) return;
    QWidget *inner = c->scroll()->widget();
    const int position = c->scroll()->horizontalScrollBar()->value();
    inner->resize(std::max(width, 0), inner->height());
    setScrollPosition(id, position);
}

int QtControls::scrollInnerWidth(int id) const {
    const Control *c = d->find(id);
    return c && c->kind == Kind::ScrollArea ? c->scroll()->widget()->width() : 0;
}

void QtControls::setScrollPosition(int id, int x) {
    Control *c = d->find(id);
    if (!c || c->kind != Kind::ScrollArea) return;
    QScrollArea *area = c->scroll();
    // A hidden scroll area learns of its inner size only when it is shown;
    // set the range now so that the position holds in every layout.
    const int range = std::max(0, area->widget()->width() - area->maximumViewportSize().width());
    QScrollBar *bar = area->horizontalScrollBar();
    bar->setRange(0, range);
    bar->setPageStep(area->maximumViewportSize().width());
    bar->setValue(x);
}

int QtControls::scrollPosition(int id) const {
    const Control *c = d->find(id);
    return c && c->kind == Kind::ScrollArea ? c->scroll()->horizontalScrollBar()->value() : 0;
}

void QtControls::addListRow(int id, const std::vector<std::string> &cells) {
    Control *c = d->find(id);
    if (!c || c->kind != Kind::List) return;
    auto *table = static_cast<QTableWidget *>(c->widget);
    const int row = table->rowCount();
    table->insertRow(row);
    const int columns = std::min(static_cast<int>(cells.size()), table->columnCount());
    for (int column = 0; column < columns; ++column)
        table->setItem(row, column, new QTableWidgetItem(QString::fromStdString(cells[column])));
}

int QtControls::listRowCount(int id) const {
    const Control *c = d->find(id);
    return c && c->kind == Kind::List ? static_cast<QTableWidget *>(c->widget)->rowCount() : 0;
}

int QtControls::listColumnCount(int id) const {
    const Control *c = d->find(id);
    return c && c->kind == Kind::List ? static_cast<QTableWidget *>(c->widget)->columnCount() : 0;
}

std::string QtControls::listColumnTitle(int id, int column) const {
    const Control *c = d->find(id);
    if (!c || c->kind != Kind::List) return {};
    const QTableWidgetItem *item =
        static_cast<QTableWidget *>(c->widget)->horizontalHeaderItem(column);
    return item ? item->text().toStdString() : std::string();
}

std::string QtControls::listCell(int id, int row, int column) const {
    const Control *c = d->find(id);
    if (!c || c->kind != Kind::List) return {};
    const QTableWidgetItem *item = static_cast<QTableWidget *>(c->widget)->item(row, column);
    return item ? item->text().toStdString() : std::string();
}

QWidget *QtControls::window() const {
    return d->window;
}

QWidget *QtControls::widget(int id) const {
    const Control *c = d->find(id);
    return c ? c->widget : nullptr;
}

void QtControls::setEventSink(std::function<void(const WindowEvent &)> sink) {
    d->sink = std::move(sink);
}

}  // namespace kvl
