// The host folder holds interfaces only; this keeps its library non-empty.
