#include "hero/hero.h"

// Hook for the hero folder: writing the model's head and skins into the party document
// arrives with the Gas documents. Until then a model change only stores and notifies.
void TDSHero::ApplySkins() {}
