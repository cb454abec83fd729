#include "tests/qt/window_fit.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTableView>
#include <QTextDocument>
#include <cmath>
#include <regex>

namespace {

std::string Name(const QWidget* w) {
    const QString n = w->objectName();
    return (n.isEmpty() ? QString(w->metaObject()->className()) : n).toStdString();
}

std::string Text(const QString& t) {
    QString one = t.left(40);
    one.replace('\n', "\\n");
    return "\"" + one.toStdString() + (t.size() > 40 ? "...\"" : "\"");
}

std::string Size(QSize s) {
    return std::to_string(s.width()) + "x" + std::to_string(s.height());
}

// The text as drawn: a single "&" marks the mnemonic and takes no room.
QString WithoutMnemonic(const QString& t) {
    QString out;
    for (int i = 0; i < t.size(); ++i) {
        if (t[i] == '&' && i + 1 < t.size()) ++i;
        out += t[i];
    }
    return out;
}

// A control inside a scrolled area is cut by its viewport on purpose.
bool InScrollArea(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p)) return true;
    return false;
}

// The part of `r` (in w's coordinates) that its parents up to the window leave in sight.
QRect InSight(const QWidget* w, QRect r, const QWidget* window) {
    r.translate(w->mapTo(window, QPoint(0, 0)));
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        r &= QRect(p->mapTo(window, QPoint(0, 0)), p->size());
        if (p == window) break;
    }
    return r.translated(-w->mapTo(window, QPoint(0, 0)));
}

bool RichText(const QLabel* l) {
    return l->textFormat() == Qt::RichText ||
           (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
}

// Where a label draws its text, and how much room the text takes.
struct Drawn {
    QRect box;   // the label's room for text
    QRect text;  // the text, aligned in it
};

Drawn LabelText(const QLabel* l) {
    QRect box = l->contentsRect();
    const int m = l->margin();
    box.adjust(m, m, -m, -m);
    if (RichText(l)) {
        QTextDocument doc;
        doc.setDocumentMargin(0);
        doc.setDefaultFont(l->font());
        doc.setHtml(l->text());
        if (l->wordWrap()) doc.setTextWidth(box.width());
        const QSize need(
            static_cast<int>(std::ceil(l->wordWrap() ? doc.size().width() : doc.idealWidth())),
            static_cast<int>(std::ceil(doc.size().height())));
        return {box, QStyle::alignedRect(l->layoutDirection(), l->alignment(), need, box)};
    }
    const QFontMetrics fm(l->font());
    // Measured from the top left: centred in a large box, the rounding adds a pixel.
    int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs;
    if (l->wordWrap()) flags |= Qt::TextWordWrap;
    const QRect room = l->wordWrap() ? QRect(box.left(), box.top(), box.width(), 100000)
                                     : QRect(box.left(), box.top(), 100000, 100000);
    const QSize need = fm.boundingRect(room, flags, l->text()).size();
    return {box, QStyle::alignedRect(l->layoutDirection(), l->alignment(), need, box)};
}

void Fit(const QWidget* w, const QWidget* window, QRect box, QSize need, const QString& text,
         const std::string& where, Findings& out) {
    std::string fault;
    if (need.width() > box.width() || need.height() > box.height())
        fault = "needs " + Size(need) + " in " + Size(box.size());
    else if (!InScrollArea(w, window)) {
        const QRect text_(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, need, box));
        const QRect seen = InSight(w, text_, window);
        if (seen != text_)
            fault = "reaches outside its window by " + Size(text_.size() - seen.size());
    }
    if (!fault.empty()) out.push_back(where + ": " + Name(w) + " " + Text(text) + " " + fault);
}

void CheckLabel(const QLabel* l, const QWidget* window, const std::string& where, Findings& out) {
    if (l->text().trimmed().isEmpty()) return;
    const Drawn d = LabelText(l);
    Fit(l, window, d.box, d.text.size(), l->text(), where, out);
}

void CheckButton(const QAbstractButton* b, const QWidget* window, const std::string& where,
                 Findings& out) {
    if (b->text().isEmpty()) return;
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(b)) element = QStyle::SE_CheckBoxContents;
    if (qobject_cast<const QRadioButton*>(b)) element = QStyle::SE_RadioButtonContents;
    if (auto* push = qobject_cast<const QPushButton*>(b); push && push->isDefault())
        opt.features |= QStyleOptionButton::DefaultButton;
    QRect box = b->style()->subElementRect(element, &opt, b);
    const QString text = WithoutMnemonic(b->text());
    QSize need = QFontMetrics(b->font()).boundingRect(QRect(), Qt::AlignLeft, text).size();
    if (!b->icon().isNull() && element == QStyle::SE_PushButtonContents)
        need.rwidth() += b->iconSize().width() + 4;
    if (element != QStyle::SE_PushButtonContents) box.adjust(2, 0, 0, 0);
    Fit(b, window, box, need, b->text(), where, out);
}

void CheckTable(const QTableView* t, const std::string& where, Findings& out) {
    const QAbstractItemModel* m = t->model();
    if (!m) return;
    const int margin = t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1;
    for (int r = 0; r < m->rowCount(); ++r) {
        if (t->isRowHidden(r)) continue;
        for (int c = 0; c < m->columnCount(); ++c) {
            if (t->isColumnHidden(c)) continue;
            const QModelIndex i = m->index(r, c);
            const QString text = i.data(Qt::DisplayRole).toString();
            if (text.isEmpty()) continue;
            const QVariant f = i.data(Qt::FontRole);
            const QFontMetrics fm(f.isValid() ? f.value<QFont>() : t->font());
            const QRect cell = t->visualRect(i).adjusted(margin, 0, -margin, 0);
            const int flags = t->wordWrap() ? Qt::TextWordWrap : 0;
            const QSize need =
                fm.boundingRect(QRect(0, 0, t->wordWrap() ? cell.width() : 100000, 100000), flags,
                                text)
                    .size();
            if (need.width() > cell.width() || need.height() > cell.height())
                out.push_back(where + ": " + Name(t) + " cell " + std::to_string(r) + "," +
                              std::to_string(c) + " " + Text(text) + " needs " + Size(need) +
                              " in " + Size(cell.size()));
        }
    }
    const QHeaderView* h = t->horizontalHeader();
    if (!h || h->isHidden()) return;
    // A heading is cut when its section is narrower than the header asks for its text.
    for (int c = 0; c < m->columnCount(); ++c) {
        const QString text = m->headerData(c, Qt::Horizontal).toString();
        if (t->isColumnHidden(c) || text.isEmpty()) continue;
        const int need = h->sectionSizeHint(c);
        if (need > h->sectionSize(c))
            out.push_back(where + ": " + Name(t) + " header " + std::to_string(c) + " " +
                          Text(text) + " needs " + std::to_string(need) + " in " +
                          std::to_string(h->sectionSize(c)));
    }
}

// A tab's title is cut (elided, or clipped) when its tab is narrower than the title and the
// tab's padding, or when the tab reaches outside the window.
void CheckTabs(const QTabBar* bar, const QWidget* window, const std::string& where, Findings& out) {
    const QFontMetrics fm(bar->font());
    const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        const QString text = bar->tabText(i);
        const QRect tab = bar->tabRect(i);
        const QSize need(fm.size(Qt::TextShowMnemonic, text).width() + padding, tab.height());
        Fit(bar, window, tab, need, text, where + " tab", out);
    }
}

// --- The table ----------------------------------------------------------------------------

QRect Rect(const ControlGeom& c) {
    return QRect(static_cast<int>(std::lround(c.Left)), static_cast<int>(std::lround(c.Top)),
                 static_cast<int>(std::lround(c.Width)), static_cast<int>(std::lround(c.Height)));
}

bool IsTableControl(const QWidget* w) {
    return w->property("tableControl").toBool() && w->isVisible();
}

// The layout puts these on each other: the first named item over or under the second.
struct Meant {
    const char* a;
    const char* b;
    const char* why;
};

// Patterns are regular expressions over control keys.
const Meant kMeant[] = {
    {"Label3_0", "Picture7_([7-9]|10)", "a hold-pile frame stands behind its piles"},
    {"Label3_1", "Picture1_([7-9]|10)", "a hold-pile frame stands behind its piles"},
    {"Label3_2", "Picture2_([7-9]|10)", "a hold-pile frame stands behind its piles"},
    {"Label3_3", "Picture3_([7-9]|10)", "a hold-pile frame stands behind its piles"},
    {"imgCenter", "(PicCenter|LblWild)_[1-4]", "the center piles lie on their picture"},
    {"Stack_([1-9]|1[0-9]|2[0-5])", "Stack_([1-9]|1[0-9]|2[0-5])|Picture7_1|ImgHold",
     "the depth lines of a side pile stand behind it"},
    {"Stack_(2[6-9]|[34][0-9]|50)", "Stack_(2[6-9]|[34][0-9]|50)|Picture1_1",
     "the depth lines of a side pile stand behind it"},
    {"Stack_(5[1-9]|6[0-9]|7[0-5])", "Stack_(5[1-9]|6[0-9]|7[0-5])|Picture2_1",
     "the depth lines of a side pile stand behind it"},
    {"Stack_(7[6-9]|[89][0-9]|100)", "Stack_(7[6-9]|[89][0-9]|100)|Picture3_1",
     "the depth lines of a side pile stand behind it"},
    {"ImgHold", "Picture7_1", "the card back under the player's top side card"},
    {"imgSlap", "ImgAvatar", "the slap is drawn over the avatar"},
    {"Picture1_0", ".*", "the moving card slides over the table"},
    {"picPanel", ".*", "the drawn menu bar opens over the table's top edge"},
    {"imgTip(Up)?", ".*", "the tutorial's pointers point at the piles and labels of its step"},
    {"lbl(Rules|Level)", "Picture1_1|Stack_(2[6-9]|[34][0-9]|50)",
     "a four-player row puts the first opponent's side pile at 63 or 80 pixels, inside the top "
     "left corner that the rules and level labels are designed for"},
};

bool OnPurpose(const std::string& a, const std::string& b) {
    for (const Meant& m : kMeant) {
        const std::regex ra(m.a), rb(m.b);
        if ((std::regex_match(a, ra) && std::regex_match(b, rb)) ||
            (std::regex_match(b, ra) && std::regex_match(a, rb)))
            return true;
    }
    return false;
}

}  // namespace

void CheckOnScreen(QWidget& window, const std::string& where, Findings& out) {
    const std::string name = window.objectName().toStdString();
    const QRect screen = window.screen()->availableGeometry();
    const QRect at = window.geometry();
    if (!screen.contains(at))
        out.push_back(where + " " + name + ": " + std::to_string(at.width()) + "x" +
                      std::to_string(at.height()) + " at " + std::to_string(at.x()) + "," +
                      std::to_string(at.y()) + " does not fit the screen's " +
                      std::to_string(screen.width()) + "x" + std::to_string(screen.height()));
    // A button beyond the window's edge is out of reach unless a scroll bar brings it in.
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(&window)) continue;
        bool scrolled = false;
        for (QWidget* p = b->parentWidget(); p && p != &window; p = p->parentWidget())
            scrolled = scrolled || qobject_cast<QScrollArea*>(p);
        const QRect box(b->mapTo(&window, QPoint(0, 0)), b->size());
        if (!scrolled && !window.rect().contains(box))
            out.push_back(where + " " + name + ": " + b->objectName().toStdString() +
                          " lies beyond the window's edge");
    }
}

void CheckTextsFit(QWidget& window, const std::string& where, Findings& out) {
    const std::string here = where + " " + Name(&window);
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window || !w->isVisible()) continue;
        if (auto* l = qobject_cast<QLabel*>(w)) CheckLabel(l, &window, here, out);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) CheckButton(b, &window, here, out);
        if (auto* t = qobject_cast<QTableView*>(w)) CheckTable(t, here, out);
        if (auto* bar = qobject_cast<QTabBar*>(w)) CheckTabs(bar, &window, here, out);
    }
}

Geometry TableItems(QWidget& table, const FormModel& form) {
    Geometry items;
    for (const auto& [key, c] : form.Controls) {
        const bool painted =
            key.rfind("Label3_", 0) == 0 ||
            (c.Kind != ControlKind::Label && c.Kind != ControlKind::CommandButton &&
             c.Kind != ControlKind::StatusBar);
        if (painted && c.Visible) items[key] = Rect(c);
    }
    for (QWidget* w : table.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!IsTableControl(w)) continue;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->text().trimmed().isEmpty()) continue;
            items[w->objectName().toStdString()] =
                LabelText(l).text.translated(w->pos()) & w->geometry();
        } else if (qobject_cast<QAbstractButton*>(w)) {
            items[w->objectName().toStdString()] = w->geometry();
        }
    }
    return items;
}

void CheckTableOverlaps(QWidget& table, const FormModel& form, const std::string& where,
                        Findings& out) {
    const Geometry items = TableItems(table, form);
    for (auto a = items.begin(); a != items.end(); ++a)
        for (auto b = std::next(a); b != items.end(); ++b) {
            const QRect both = a->second & b->second;
            if (both.isEmpty() || OnPurpose(a->first, b->first)) continue;
            out.push_back(where + ": " + a->first + " and " + b->first + " overlap by " +
                          Size(both.size()));
        }
}

Geometry TableSnapshot(QWidget& table, const FormModel& form) {
    Geometry g;
    for (const auto& [key, c] : form.Controls)
        if (c.Kind != ControlKind::StatusBar) g[key] = Rect(c);
    g["table"] = table.geometry();
    g["window"] = table.window()->geometry();
    for (QWidget* w : table.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!IsTableControl(w)) continue;
        const auto* l = qobject_cast<QLabel*>(w);
        if ((l && !l->text().trimmed().isEmpty()) || qobject_cast<QAbstractButton*>(w))
            g["shown " + w->objectName().toStdString()] = w->geometry();
    }
    return g;
}

void CompareTables(const Geometry& got, const Geometry& fresh, const std::string& where,
                   Findings& out) {
    auto text = [](QRect r) {
        return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + Size(r.size());
    };
    for (const auto& [key, r] : got) {
        // The tutorial's pointers stand wherever its last step pointed; hidden, they are not
        // part of the table.
        if (key.rfind("imgTip", 0) == 0) continue;
        // Nor does the card in flight, which stands where its last flight ended.
        if (key == "Picture1_0") continue;
        const auto f = fresh.find(key);
        if (f == fresh.end())
            out.push_back(where + ": " + key + " at " + text(r) + ", not there on a fresh start");
        else if (f->second != r)
            out.push_back(where + ": " + key + " at " + text(r) + ", on a fresh start at " +
                          text(f->second));
    }
    for (const auto& [key, r] : fresh)
        // A label or button hidden by the game's state (a deal under way) stands where it
        // stood; only one shown where a fresh start shows none is wrong.
        if (!got.count(key) && key.rfind("shown ", 0) != 0)
            out.push_back(where + ": " + key + " missing, on a fresh start at " + text(r));
}

Sayings TableSayings(QWidget& window, QWidget& table, const FormModel& form) {
    Sayings s;
    for (const auto& [key, c] : form.Controls)
        if (key.rfind("Label3_", 0) == 0 && c.Visible && !c.Caption.empty())
            s[key] = QString::fromStdString(c.Caption);
    for (QWidget* w : table.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!IsTableControl(w)) continue;
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().trimmed().isEmpty())
            s[Name(w)] = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            s[Name(w)] = "shown: " + b->text();
    }
    if (auto* bar = window.findChild<QStatusBar*>(); bar && bar->isVisible())
        for (QLabel* panel : bar->findChildren<QLabel*>()) s[Name(panel)] = panel->text();
    if (auto a = form.Controls.find("ImgAvatar"); a != form.Controls.end() && a->second.Visible) {
        const QImage seen = table.grab(Rect(a->second)).toImage();
        const QByteArray pixels(reinterpret_cast<const char*>(seen.constBits()),
                                static_cast<qsizetype>(seen.sizeInBytes()));
        const QRect r = Rect(a->second);
        s["ImgAvatar"] =
            QString("%1,%2 %3x%4 ").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()) +
            QCryptographicHash::hash(pixels, QCryptographicHash::Md5).toHex();
    }
    return s;
}

void CompareSayings(const Sayings& got, const Sayings& fresh, const std::string& where,
                    Findings& out) {
    for (const auto& [key, text] : got) {
        const auto f = fresh.find(key);
        if (f == fresh.end())
            out.push_back(where + ": " + key + " shows " + Text(text) + ", not on a fresh start");
        else if (f->second != text)
            out.push_back(where + ": " + key + " shows " + Text(text) + ", on a fresh start " +
                          Text(f->second));
    }
    for (const auto& [key, text] : fresh)
        if (!got.count(key))
            out.push_back(where + ": " + key + " does not show, on a fresh start " + Text(text));
}
