#include "TreePrint.h"

#include <map>

#include "formula/Tfuncprop.h"
#include "platform/Runtime.h"

namespace {

const char* Name(int32_t code) {
  static const std::map<int32_t, const char*> names = {
      {node::Pair, "pair"},        {node::Power, "^"},         {node::Quotient, "/"},
      {node::Product, "*"},        {node::Difference, "-"},    {node::Sum, "+"},
      {node::Negate, "neg"},       {node::Identity, "id"},     {node::Sin, "sin"},
      {node::Cos, "cos"},          {node::Tan, "tan"},         {node::Sec, "sec"},
      {node::Cosec, "cosec"},      {node::Cotan, "cotan"},     {node::Arctn, "arctn"},
      {node::Log, "log"},          {node::Exp, "exp"},         {node::Sqrt, "sqrt"},
      {node::Abs, "abs"},          {node::Sgn, "sgn"},         {node::Gaus, "gaus"},
      {node::Sinh, "sinh"},        {node::Cosh, "cosh"},       {node::Arcsin, "arcsin"},
      {node::Arccos, "arccos"},    {node::Tanh, "tanh"},       {node::Arsinh, "arsinh"},
      {node::Arcosh, "arcosh"},    {node::Artanh, "artanh"},   {node::Arg, "arg"},
      {node::Angle, "angle"},      {node::Round, "round"},     {node::Int, "int"},
      {node::Frac, "frac"},        {node::Rnd, "rnd"},         {node::LogBase, "logb"},
      {node::Roundc, "roundc"},    {node::Intc, "intc"},       {node::Combinations, "C"},
      {node::Permutations, "P"},   {node::DistanceRoot, "dist"}, {node::Factorial, "!"},
      {node::Greater, ">"},        {node::Less, "<"},          {node::Equal, "="},
      {node::GreaterEqual, ">="},  {node::LessEqual, "<="},    {node::And, "and"},
      {node::Or, "or"},            {node::NotEqual, "<>"},     {node::SumForm, "Sum"},
      {node::Integral, "int"},     {node::ProductForm, "multi"}, {node::MaxOver, "MaxV"},
      {node::MinOver, "MinV"},     {node::Max, "Max"},         {node::Min, "Min"},
      {node::Range, "range"},      {node::IndexRangeI, "i"},   {node::IndexRangeJ, "j"},
  };
  auto it = names.find(code);
  return it == names.end() ? nullptr : it->second;
}

std::string Leaf(const Tfrec* t) {
  const int32_t c = t->code;
  if (c == node::Number) return rtl::FloatToStr(t->value);
  if (c == node::Pi) return "pi";
  if (c == node::Degree) return "deg";
  if (c == node::Latx) return "latx";
  if (c == node::Laty) return "laty";
  if (c == node::Pair) return "[" + rtl::FloatToStr(t->value) + "," + rtl::FloatToStr(t->prevValue) + "]";
  if (c > node::VariableBase && c <= node::VariableBase + 26) return std::string(1, node::VariableLetters[c - node::VariableBase - 1]);
  if (c > node::IntegrationVariableBase && c <= node::IntegrationVariableBase + 6)
    return std::string("~") + node::IntegrationLetters[c - node::IntegrationVariableBase - 1];
  if (c > node::ConstantBase && c < node::ConstantBase + 100) return "Q" + std::to_string(c - node::ConstantBase);
  for (int base : {node::PointXBase, node::PointYBase, node::PointZBase})
    if (c > base && c <= base + 25) {
      const char axis = base == node::PointXBase ? 'x' : base == node::PointYBase ? 'y' : 'z';
      return std::string(1, PointNameOrder[c - base - 1]) + axis;
    }
  return "#" + std::to_string(c);
}

}  // namespace

std::string PrefixForm(const Tfrec* t) {
  if (!t) return "nil";
  if (!t->left && !t->right) return Leaf(t);
  const char* name = Name(t->code);
  std::string s = "(" + (name ? std::string(name) : "#" + std::to_string(t->code));
  // One-operand nodes keep their operand in `right`, the factorial in `left`.
  if (t->left || t->code < 0 || (t->code >= 1 && t->code <= 5) || t->code == node::Pair ||
      t->code == node::LogBase || t->code >= 2000)
    s += " " + PrefixForm(t->left);
  if (t->right || t->code != node::Factorial) s += " " + PrefixForm(t->right);
  return s + ")";
}
