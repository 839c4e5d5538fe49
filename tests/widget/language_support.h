#pragma once
// What the language tests share: every text a window shows, by object path, and the
// differences between two such snapshots; a scope that leaves the application in English.
#include "app/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include <QTranslator>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace motiview::test {

using Texts = std::map<QString, QString>;

// Titles, labels, buttons, group boxes, actions, combo items, tab and table header texts,
// tool tips, placeholders and accessible names of `root` and every widget under it.
inline Texts texts_of(const QWidget* root) {
    Texts out;
    const auto path = [root](const QObject* o) {
        QString p;
        for (; o != nullptr && o != root; o = o->parent()) {
            p.prepend(QLatin1Char('/') + o->objectName());
        }
        return p;
    };
    const auto add = [&out](const QString& key, const QString& text) {
        if (!text.isEmpty()) {
            out[key] = text;
        }
    };
    add(QStringLiteral("#title"), root->windowTitle());
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (const QWidget* w : widgets) {
        const QString p = path(w);
        if (w->isWindow()) {
            add(p + QStringLiteral("#title"), w->windowTitle());
        }
        add(p + QStringLiteral("#tip"), w->toolTip());
        add(p + QStringLiteral("#name"), w->accessibleName());
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            add(p, l->text());
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            add(p, b->text());
        } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
            add(p, g->title());
        } else if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
            add(p + QStringLiteral("#placeholder"), e->placeholderText());
        } else if (const auto* c = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i) {
                add(p + QStringLiteral("#item") + QString::number(i), c->itemText(i));
            }
        } else if (const auto* t = qobject_cast<const QTabWidget*>(w)) {
            for (int i = 0; i < t->count(); ++i) {
                add(p + QStringLiteral("#tab") + QString::number(i), t->tabText(i));
            }
        } else if (const auto* h = qobject_cast<const QHeaderView*>(w)) {
            for (int i = 0; i < h->count(); ++i) {
                add(p + QStringLiteral("#head") + QString::number(i),
                    h->model()->headerData(i, h->orientation()).toString());
            }
        }
    }
    for (const QAction* a : root->findChildren<QAction*>()) {
        if (!a->objectName().isEmpty()) {
            add(path(a), a->text());
            add(path(a) + QStringLiteral("#tip"), a->toolTip());
        }
    }
    return out;
}

// The keys whose text differs (or that one side lacks), with both texts.
inline std::vector<std::string> differences(const Texts& a, const Texts& b) {
    std::vector<std::string> out;
    for (const auto& [key, text] : a) {
        const auto it = b.find(key);
        if (it == b.end() || it->second != text) {
            out.push_back(key.toStdString() + ": '" + text.toStdString() + "' / '" +
                          (it == b.end() ? std::string("<none>") : it->second.toStdString()) + "'");
        }
    }
    for (const auto& [key, text] : b) {
        if (a.find(key) == a.end()) {
            out.push_back(key.toStdString() + ": <none> / '" + text.toStdString() + "'");
        }
    }
    return out;
}

// Installs a language for the test's duration; English again when it ends.
class LanguageScope {
  public:
    LanguageScope() = default;
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
    ~LanguageScope() {
        (void)install_language(Language::English);
        QApplication::processEvents();
    }
    // Loads `l` and lets every window handle the language change.
    static bool use(Language l) {
        const bool ok = install_language(l);
        QApplication::processEvents();
        return ok;
    }
};

// A language in which every text of the given contexts (all when none are given) reads as
// `mark` with the English in it ("[%1]"): it shows which texts go through a translation and
// which do not, whatever the translation files hold. Installed for its lifetime, over English;
// the windows handle the change at once.
class MarkingTranslator final : public QTranslator {
  public:
    explicit MarkingTranslator(QString mark = QStringLiteral("[%1]"),
                               std::set<std::string> contexts = {})
        : mark_(std::move(mark)), contexts_(std::move(contexts)) {
        QCoreApplication::installTranslator(this);
        QApplication::processEvents();
    }
    MarkingTranslator(const MarkingTranslator&) = delete;
    MarkingTranslator& operator=(const MarkingTranslator&) = delete;
    ~MarkingTranslator() override {
        QCoreApplication::removeTranslator(this);
        QApplication::processEvents();
    }

    [[nodiscard]] bool isEmpty() const override { return false; }
    [[nodiscard]] QString translate(const char* context, const char* source,
                                    const char* /*disambiguation*/, int /*n*/) const override {
        if (source == nullptr ||
            (!contexts_.empty() && (context == nullptr || contexts_.count(context) == 0))) {
            return {};
        }
        return mark_.arg(QString::fromUtf8(source));
    }

  private:
    QString mark_;
    std::set<std::string> contexts_;
};

} // namespace motiview::test
