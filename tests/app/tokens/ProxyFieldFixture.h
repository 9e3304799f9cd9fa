#pragma once

#include <gtest/gtest.h>

#include <QDebug>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "app/tokens/ZKProxyField.h"
#include "support/QtPrinters.h"

// Two token fields in a shown window, and the edits they announce.
class ProxyFieldFixture : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(window.get());
        first = new ZKProxyField;
        second = new ZKProxyField;
        layout->addWidget(first);
        layout->addWidget(second);
        window->resize(420, 100);
        window->show();
        edits = std::make_unique<QSignalSpy>(first, &ZKProxyField::textDidChange);
    }

    // The skipDelay flags of the announced edits of the first field, oldest first.
    QList<bool> announced() const {
        QList<bool> flags;
        for (const QList<QVariant> &edit : *edits) flags.append(edit.at(0).toBool());
        return flags;
    }

    static QString describe(const QVariantList &list) {
        QString text;
        QDebug(&text) << list;
        return text;
    }

    std::unique_ptr<QWidget> window;
    ZKProxyField *first = nullptr;
    ZKProxyField *second = nullptr;
    std::unique_ptr<QSignalSpy> edits;
};
