// What a screen reader finds in the quiz window.

#include "platform/accessibility.h"
#include "support/quiz_fixture.h"

#include <QAccessible>

namespace {

struct Node {
    QAccessible::Role role;
    QString name;
};

QList<Node> childrenOf(QWidget* window) {
    QList<Node> nodes;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    for (int k = 0; k < root->childCount(); ++k) {
        QAccessibleInterface* child = root->child(k);
        nodes.append({child->role(), child->text(QAccessible::Name)});
        if (child->childCount() != 0 && child->role() != QAccessible::CheckBox &&
            child->role() != QAccessible::Button)
            qWarning("unexpected nested children in %s", qPrintable(nodes.last().name));
    }
    return nodes;
}

QStringList names(const QList<Node>& nodes) {
    QStringList all;
    for (const Node& node : nodes)
        all << node.name;
    return all;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::installAccessibility(); }

    void windowNamesCountersButtonsAndFlag() {
        QuizFixture quiz;
        const QList<Node> nodes = childrenOf(&quiz.form);
        QCOMPARE(names(nodes), QStringList({"Right answers: 0", "Flags shown: 0", "New flag",
                                            "Flag", "", "", "", "New game"}));
        QCOMPARE(nodes[0].role, QAccessible::StaticText);
        QCOMPARE(nodes[2].role, QAccessible::Button);
        QCOMPARE(nodes[4].role, QAccessible::CheckBox);
    }

    void optionsReadTheirCountriesAndNothingTellsTheAnswer() {
        InstalledRandom<ScriptedRandom> random(std::vector<float>{
            drawing(2, 3), drawing(138, 197), drawing(141, 197), drawing(137, 197)});
        QuizFixture quiz;
        quiz.newFlag();
        const QStringList all = names(childrenOf(&quiz.form));
        QCOMPARE(all, QStringList({"Right answers: 0", "Flags shown: 1", "New flag", "Flag",
                                   "Chile", "Japan", "China", "New game"}));
        // The answer field and the country list are hidden and not in the tree at all.
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&quiz.form);
        for (QWidget* hidden : QList<QWidget*>{quiz.form.ui.Text1, quiz.form.ui.List1}) {
            QCOMPARE(root->indexOfChild(QAccessible::queryAccessibleInterface(hidden)), -1);
        }
        for (int k = 0; k < root->childCount(); ++k) {
            QVERIFY(root->child(k)->text(QAccessible::Description).isEmpty());
            QVERIFY(!root->child(k)->text(QAccessible::Value).contains(u"Japan"));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
