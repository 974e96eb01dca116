// The access keys a user sees in one window: the shown titles of its menu bar and the captions of
// its shown buttons and group boxes. Alt and a letter must reach one of them only.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QStringList>
#include <gtest/gtest.h>
#include <map>

namespace kelvra::test {

// Expects each access key of `finestra` and of `titoli` to be taken by one caption only, naming
// the two captions of a key taken twice; adds the number of keys to `tasti`.
inline void TastiUnici(const QString& nome, const QWidget* finestra, const QList<QAction*>& titoli,
                       int* tasti = nullptr) {
    QStringList testi;
    for (const QAction* a : titoli)
        if (a->isVisible()) testi << a->text();
    for (const QWidget* w : finestra->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(finestra)) continue;
        if (auto* b = qobject_cast<const QAbstractButton*>(w)) testi << b->text();
        if (auto* g = qobject_cast<const QGroupBox*>(w)) testi << g->title();
    }
    std::map<int, QString> visti;
    QStringList doppi;
    for (const QString& t : testi) {
        const QKeySequence k = QKeySequence::mnemonic(t);
        if (k.isEmpty()) continue;
        const auto [voce, nuovo] = visti.emplace(k[0].toCombined(), t);
        if (!nuovo) doppi << voce->second + " / " + t;
    }
    EXPECT_TRUE(doppi.isEmpty()) << nome.toStdString() << ": " << doppi.join(", ").toStdString();
    if (tasti) *tasti += static_cast<int>(visti.size());
}

} // namespace kelvra::test
