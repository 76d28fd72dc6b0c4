#include "app/TrabekDoc.h"

namespace ferrolab {

void CTrabekDoc::Serialize(QDataStream&, bool) {}

} // namespace ferrolab
