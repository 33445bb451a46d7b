// placeholder until this step is written
namespace resonara {}
