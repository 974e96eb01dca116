// The access keys a user sees in one window: the titles of its menu bar, and the captions of
// its shown buttons, group boxes, tabs and of the labels that lead to a box. Alt and a letter
// must reach one of them only, so two captions that underline the same letter clash.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMdiSubWindow>
#include <QStringList>
#include <QTabBar>
#include <QWidget>
#include <map>

namespace kelvra::test {

// The window `w` belongs to as far as Alt and a letter go: a top-level window, or the
// sub-window of the frame that holds it (only the active sub-window takes the keys).
inline const QWidget* FinestraDelTasto(const QWidget* w) {
    while (w && !w->isWindow() && !qobject_cast<const QMdiSubWindow*>(w)) w = w->parentWidget();
    return w;
}

// The captions of `finestra` that carry an access key: `titoli` (its menu bar's titles, shown
// ones only) and its shown controls, those of windows inside it left out.
inline QStringList DidascalieConTasto(const QWidget* finestra, const QList<QAction*>& titoli) {
    QStringList testi;
    for (const QAction* a : titoli)
        if (a->isVisible()) testi << a->text();
    const QWidget* propria = FinestraDelTasto(finestra);
    for (const QWidget* w : finestra->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(finestra) || FinestraDelTasto(w) != propria) continue;
        if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
            testi << b->text();
        } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
            testi << g->title();
        } else if (auto* l = qobject_cast<const QLabel*>(w); l && l->buddy()) {
            testi << l->text();
        } else if (auto* t = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabVisible(i)) testi << t->tabText(i);
        }
    }
    return testi;
}

// The captions among `testi` that take an access key another one took first, each as
// "first / second"; empty when every key is unique.
inline QStringList TastiDoppi(const QStringList& testi) {
    std::map<int, QString> visti;
    QStringList doppi;
    for (const QString& t : testi) {
        const QKeySequence k = QKeySequence::mnemonic(t);
        if (k.isEmpty()) continue;
        const auto [voce, nuovo] = visti.emplace(k[0].toCombined(), t);
        if (!nuovo) doppi << voce->second + " / " + t;
    }
    return doppi;
}

} // namespace kelvra::test
