#include "widgets/properties/logicalop.h"

LogicalOp::LogicalOp(QWidget* parent) : QWidget(parent) {}

bool LogicalOp::requestClose()
{
    return true;
}
