#include "app/tokens/ZKLazySequenceProxyField.h"

#include <QAction>
#include <QMenu>

#include "engine/LazinessIndicator.h"
#include "tokens/TokenList.h"

ZKLazySequenceProxyField::ZKLazySequenceProxyField(QWidget *parent)
    : ZKProxyField(parent),
      insertLazinessIndicatorAction_(new QAction(tr("Insert Laziness Indicator"), this)) {
    insertLazinessIndicatorAction_->setObjectName(QStringLiteral("insertLazinessIndicator"));
    connect(insertLazinessIndicatorAction_, &QAction::triggered, this,
            &ZKLazySequenceProxyField::insertLazinessIndicator);
    connect(document(), &QTextDocument::contentsChanged, this,
            &ZKLazySequenceProxyField::validateLazinessIndicatorAction);
    validateLazinessIndicatorAction();
}

bool ZKLazySequenceProxyField::canInsertLazinessIndicator() const {
    for (const QVariant &element : list()) {
        if (!TokenList::isWrappedProxy(element) &&
            LazinessIndicator::containsLazinessIndicator(element.toString()))
            return false;
    }
    return true;
}

void ZKLazySequenceProxyField::validateLazinessIndicatorAction() {
    insertLazinessIndicatorAction_->setEnabled(canInsertLazinessIndicator() && !isReadOnly());
}

void ZKLazySequenceProxyField::insertLazinessIndicator() {
    if (isReadOnly() || !canInsertLazinessIndicator()) return;
    replaceSelection({LazinessIndicator::kIndicator});
    postDelaySkippingTextDidChangeNotification();
}

void ZKLazySequenceProxyField::addContextMenuActions(QMenu *menu) {
    validateLazinessIndicatorAction();
    menu->addSeparator();
    menu->addAction(insertLazinessIndicatorAction_);
}
