#pragma once

#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

// Boxes answered with the button queued, else Escape; logged as "title|text|icon|buttons".
class BoxAnswers : public QObject {
public:
    QQueue<QString> answers;
    QStringList shown;
    std::function<void()> onShow = [] {}; // runs as each box shows

    BoxAnswers() { qApp->installEventFilter(this); }
    ~BoxAnswers() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box || event->type() != QEvent::Show)
            return false;
        QString buttons;
        for (QAbstractButton* b : box->buttons())
            buttons += b->isVisibleTo(box) ? b->text() : QString();
        shown << QStringList{box->windowTitle(), box->text(), QString::number(box->icon()), buttons}
                     .join(u'|');
        onShow();
        const QString answer = answers.isEmpty() ? QString() : answers.dequeue();
        QTimer::singleShot(0, box, [box, answer] {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == answer)
                    return b->click();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        return false;
    }
};
