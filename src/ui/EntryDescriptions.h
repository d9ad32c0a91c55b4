#pragma once
// The sentences that say in words what a figure entry (kind 7) or a point entry (kind 8)
// is, built from its type or construction code and the texts the user gave: the entry
// window's title line and the navigator's point and figure rows. CP932 texts.
#include <string>

#include "formula/Tfuncprop.h"

// By the figure type in `subkind`, for the current dimension; "" for an unknown type.
// The entry-number forms give "" for a number outside the table.
std::string DescribeFigureEntry(const Tfuncprop& entry);
std::string DescribeFigureEntry(int entry);
// By the construction code in `subkind`, for the current dimension; "" for a code
// without a description.
std::string DescribePointEntry(const Tfuncprop& entry);
std::string DescribePointEntry(int entry);
