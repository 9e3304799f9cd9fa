#include "app/desktop/SingleInstance.h"

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}
SingleInstance::~SingleInstance() = default;
bool SingleInstance::claim() { return true; }
bool SingleInstance::handOver(const QStringList &) { return false; }
