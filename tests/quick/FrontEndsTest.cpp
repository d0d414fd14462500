// The two front ends declare the same Qt properties: every property of the widget is one
// of the item's and the other way round, with the same type (but for the rows below, the
// differences meant), writability, enumeration and NOTIFY signal, whose one argument is
// the new value. An enumeration property must be one to Qt in both, of the shared
// enumerations: Designer's editor, a .ui file's keys and QML's names depend on it. The
// item's properties are FINAL.
#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QMetaType>
#include <QPixmap>
#include <QUrl>
#include <map>
#include <string>
#include <vector>

#include "leddisplay/qt/Enums.h"
#include "leddisplay/quick/LEDDisplayItem.h"
#include "leddisplay/widgets/LEDDisplayWidget.h"

namespace led {
namespace {

// A property whose Qt type differs between the front ends.
struct TypeRow {
  const char* name;
  QMetaType widget;
  QMetaType item;
};
const TypeRow kTypesThatDiffer[] = {
    {"mouseIcon", QMetaType::fromType<QPixmap>(), QMetaType::fromType<QUrl>()},
    {"pictureBackGround", QMetaType::fromType<QPixmap>(), QMetaType::fromType<QUrl>()},
};

std::map<std::string, QMetaProperty> PropertiesOf(const QMetaObject& meta) {
  std::map<std::string, QMetaProperty> properties;
  for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
    properties.emplace(meta.property(i).name(), meta.property(i));
  return properties;
}

// The names of `a`'s properties that `b` lacks.
std::vector<std::string> OnlyIn(const std::map<std::string, QMetaProperty>& a,
                                const std::map<std::string, QMetaProperty>& b) {
  std::vector<std::string> names;
  for (const auto& [name, property] : a)
    if (!b.contains(name)) names.push_back(name);
  return names;
}

// The property's NOTIFY signal carries one argument of the property's type.
void ExpectNotifiesItsValue(const QMetaProperty& property) {
  ASSERT_TRUE(property.hasNotifySignal());
  const QMetaMethod signal = property.notifySignal();
  ASSERT_EQ(signal.parameterCount(), 1) << signal.methodSignature().constData();
  EXPECT_EQ(signal.parameterMetaType(0), property.metaType())
      << signal.methodSignature().constData();
}

TEST(FrontEnds, DeclareTheSameProperties) {
  const auto widget = PropertiesOf(qt::LEDDisplayWidget::staticMetaObject);
  const auto item = PropertiesOf(quick::LEDDisplayItem::staticMetaObject);
  EXPECT_EQ(OnlyIn(widget, item), std::vector<std::string>()) << "only the widget's";
  EXPECT_EQ(OnlyIn(item, widget), std::vector<std::string>()) << "only the item's";
  for (const auto& [name, w] : widget) {
    if (!item.contains(name)) continue;
    SCOPED_TRACE(name);
    const QMetaProperty& i = item.at(name);
    // The same type in both, unless a row says otherwise.
    QMetaType widgetType = i.metaType(), itemType = i.metaType();
    for (const TypeRow& row : kTypesThatDiffer)
      if (name == row.name) widgetType = row.widget, itemType = row.item;
    EXPECT_EQ(w.metaType(), widgetType) << w.typeName() << " vs " << i.typeName();
    EXPECT_EQ(i.metaType(), itemType);
    EXPECT_EQ(w.isWritable(), i.isWritable());
    ExpectNotifiesItsValue(w);
    ExpectNotifiesItsValue(i);
    EXPECT_EQ(w.notifySignal().name(), i.notifySignal().name());
    EXPECT_EQ(w.isEnumType(), i.isEnumType());
    if (w.isEnumType() && i.isEnumType()) {
      EXPECT_EQ(w.enumerator().enclosingMetaObject(), &qt::enums::staticMetaObject);
      EXPECT_EQ(i.enumerator().enclosingMetaObject(), &qt::enums::staticMetaObject);
    }
    EXPECT_TRUE(i.isFinal());
  }
  // The enumeration properties, so that the comparison above meets them.
  EXPECT_TRUE(widget.at("backGroundStyle").isEnumType());
}

}  // namespace
}  // namespace led
