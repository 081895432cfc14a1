#include "camera/gstelementsubclass.h"

namespace {

GQuark configureQuark()
{
    static const GQuark quark = g_quark_from_static_string("kavrin-configure");
    return quark;
}

// Runs the base element's own construction, then sets the derived type's
// properties.
void constructDerived(GObject *object)
{
    GType type = G_OBJECT_TYPE(object);
    while (type && !g_type_get_qdata(type, configureQuark()))
        type = g_type_parent(type);
    auto *baseClass = G_OBJECT_CLASS(g_type_class_peek(g_type_parent(type)));
    if (baseClass->constructed)
        baseClass->constructed(object);
    reinterpret_cast<GstElementSubclass::Configure>(g_type_get_qdata(type, configureQuark()))(object);
}

void initDerivedClass(gpointer klass, gpointer extraClassInit)
{
    G_OBJECT_CLASS(klass)->constructed = constructDerived;
    if (extraClassInit)
        reinterpret_cast<GClassInitFunc>(extraClassInit)(klass, nullptr);
}

} // namespace

namespace GstElementSubclass {

GType derive(
    const char *baseFactory, const char *typeName, Configure configure, GClassInitFunc extraClassInit)
{
    if (const GType existing = g_type_from_name(typeName))
        return existing;
    GstElementFactory *factory = gst_element_factory_find(baseFactory);
    if (!factory)
        return 0;
    // The base type exists once its plugin is loaded.
    GstPluginFeature *loaded = gst_plugin_feature_load(GST_PLUGIN_FEATURE(factory));
    gst_object_unref(factory);
    if (!loaded)
        return 0;
    const GType base = gst_element_factory_get_element_type(GST_ELEMENT_FACTORY(loaded));
    gst_object_unref(loaded);
    GTypeQuery query;
    g_type_query(base, &query);
    if (!query.type)
        return 0;
    // The derived class and instance are the base's, with no fields added.
    GTypeInfo info {};
    info.class_size = static_cast<guint16>(query.class_size);
    info.class_init = initDerivedClass;
    info.class_data = reinterpret_cast<gconstpointer>(extraClassInit);
    info.instance_size = static_cast<guint16>(query.instance_size);
    const GType type = g_type_register_static(base, typeName, &info, GTypeFlags(0));
    g_type_set_qdata(type, configureQuark(), reinterpret_cast<gpointer>(configure));
    return type;
}

bool registerElement(const char *baseFactory, const char *typeName, const char *factoryName, guint rank,
    Configure configure, GClassInitFunc extraClassInit)
{
    if (!gst_is_initialized())
        gst_init(nullptr, nullptr);
    const GType type = derive(baseFactory, typeName, configure, extraClassInit);
    return type && gst_element_register(nullptr, factoryName, rank, type);
}

} // namespace GstElementSubclass
