#pragma once

#include "app/tokens/ZKProxyField.h"

class QAction;

// The token field of a sequence identifier, which can also take the laziness indicator: the
// mark of an identifier whose groups of one file get no value.
class ZKLazySequenceProxyField : public ZKProxyField {
    Q_OBJECT
public:
    explicit ZKLazySequenceProxyField(QWidget *parent = nullptr);

    // "Insert Laziness Indicator", enabled while no text of the field holds an indicator.
    QAction *insertLazinessIndicatorAction() const { return insertLazinessIndicatorAction_; }
    bool canInsertLazinessIndicator() const;
    // Puts U+1F6CC in place of the selection and recomputes names at once; nothing when the
    // field already holds an indicator or cannot be edited.
    void insertLazinessIndicator();

protected:
    void addContextMenuActions(QMenu *menu) override;

private:
    void validateLazinessIndicatorAction();

    QAction *insertLazinessIndicatorAction_;
};
