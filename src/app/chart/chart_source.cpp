#include "app/chart/chart_source.h"

#include "moc_chart_source.cpp"
