package zor.wtk.test;

import static org.junit.jupiter.api.Assertions.assertEquals;

import java.io.File;
import java.lang.reflect.Constructor;
import java.lang.reflect.Field;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.util.ArrayList;
import java.util.HashSet;
import java.util.List;
import java.util.Set;
import java.util.jar.JarEntry;
import java.util.jar.JarFile;
import javax.microedition.lcdui.Display;
import org.junit.jupiter.api.Test;

/** A game sees only CLDC and MIDP types: the API may show no desktop class. */
class ApiSignatureTest {
    private static Set<String> classesOf(File jar) throws Exception {
        Set<String> names = new HashSet<>();
        try (JarFile file = new JarFile(jar)) {
            for (JarEntry e : java.util.Collections.list(file.entries())) {
                if (e.getName().endsWith(".class")) {
                    names.add(e.getName().replace('/', '.').replace(".class", ""));
                }
            }
        }
        return names;
    }

    @Test
    void publicSignaturesUseOnlyCldcAndMidpTypes() throws Exception {
        Set<String> known = classesOf(new File(System.getProperty("wtk.cldc")));
        File midp =
                new File(Display.class.getProtectionDomain().getCodeSource().getLocation().toURI());
        for (String name : classesOf(midp)) {
            if (name.startsWith("java.")) {
                known.add(name); // what MIDP adds to CLDC
            }
        }
        List<String> strays = new ArrayList<>();
        for (String name : classesOf(midp)) {
            if (!name.startsWith("javax.microedition.")) {
                continue;
            }
            Class<?> c = Class.forName(name, false, getClass().getClassLoader());
            if (!Modifier.isPublic(c.getModifiers())) {
                continue;
            }
            List<Class<?>> used = new ArrayList<>();
            used.add(c.getSuperclass());
            used.addAll(List.of(c.getInterfaces()));
            for (Field f : c.getDeclaredFields()) {
                if (visible(f.getModifiers())) {
                    used.add(f.getType());
                }
            }
            for (Method m : c.getDeclaredMethods()) {
                if (visible(m.getModifiers()) && !m.isSynthetic()) {
                    used.add(m.getReturnType());
                    used.addAll(List.of(m.getParameterTypes()));
                    used.addAll(List.of(m.getExceptionTypes()));
                }
            }
            for (Constructor<?> k : c.getDeclaredConstructors()) {
                if (visible(k.getModifiers())) {
                    used.addAll(List.of(k.getParameterTypes()));
                    used.addAll(List.of(k.getExceptionTypes()));
                }
            }
            for (Class<?> type : used) {
                while (type != null && type.isArray()) {
                    type = type.getComponentType();
                }
                if (type != null && !type.isPrimitive()
                        && !type.getName().startsWith("javax.microedition.")
                        && !known.contains(type.getName())) {
                    strays.add(name + " uses " + type.getName());
                }
            }
        }
        assertEquals(List.of(), strays);
    }

    private static boolean visible(int modifiers) {
        return Modifier.isPublic(modifiers) || Modifier.isProtected(modifiers);
    }
}
