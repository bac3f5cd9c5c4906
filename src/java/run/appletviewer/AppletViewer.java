// The editor's applet viewer: shows the first applet of an HTML page in a window.
//
//   java -cp <folder of the compiled classes> quillmarsh.appletviewer.AppletViewer page.htm
//
// The page's applet tag gives the class ("code"), the size ("width", "height") and
// optionally the folder to load classes from ("codebase", relative to the page);
// <param name=.. value=..> tags inside it are the applet's parameters. The window is
// titled with the class and runs the applet's life cycle: init and start when it opens,
// stop and destroy when it is closed.

package quillmarsh.appletviewer;

import java.applet.Applet;
import java.awt.BorderLayout;
import java.awt.Dimension;
import java.awt.EventQueue;
import java.awt.Frame;
import java.awt.GraphicsEnvironment;
import java.awt.Label;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.io.File;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;

@SuppressWarnings({"deprecation", "removal"})
public final class AppletViewer {
    static final int DEFAULT_SIZE = 500;

    private AppletViewer() {}

    public static void main(String[] args) {
        if (args.length != 1) {
            System.err.println("usage: AppletViewer page.htm");
            System.exit(2);
        }
        final AppletTag tag;
        final File page = new File(args[0]).getAbsoluteFile();
        try {
            String html = new String(Files.readAllBytes(page.toPath()), StandardCharsets.ISO_8859_1);
            tag = AppletTag.parse(html);
        } catch (Exception e) {
            System.err.println("AppletViewer: cannot read " + page + ": " + e);
            System.exit(1);
            return;
        }
        if (tag == null || tag.code() == null) {
            System.err.println("AppletViewer: no applet tag with a code attribute in " + page);
            System.exit(1);
            return;
        }
        if (GraphicsEnvironment.isHeadless()) {
            System.err.println("AppletViewer: no display to show " + tag.code() + " on");
            System.exit(1);
        }
        EventQueue.invokeLater(() -> open(page, tag));
    }

    private static void open(File page, AppletTag tag) {
        final Frame frame = new Frame("Applet Viewer: " + tag.code());
        frame.setLayout(new BorderLayout());
        int width = tag.intAttribute("width", DEFAULT_SIZE);
        int height = tag.intAttribute("height", DEFAULT_SIZE);

        Applet applet = null;
        ViewerStub stub = null;
        try {
            URL documentBase = page.toURI().toURL();
            URL codeBase = codeBase(page, tag);
            ClassLoader loader = new URLClassLoader(new URL[] {codeBase},
                    AppletViewer.class.getClassLoader());
            Class<?> cls = loader.loadClass(className(tag.code()));
            applet = (Applet) cls.getDeclaredConstructor().newInstance();
            stub = new ViewerStub(applet, frame, documentBase, codeBase, tag);
            applet.setStub(stub);
            applet.setPreferredSize(new Dimension(width, height));
            frame.add(applet, BorderLayout.CENTER);
        } catch (Throwable e) {
            System.err.println("AppletViewer: cannot load " + tag.code() + ": " + e);
            Label failure = new Label("Applet not loaded: " + e, Label.CENTER);
            failure.setPreferredSize(new Dimension(width, height));
            frame.add(failure, BorderLayout.CENTER);
            applet = null; // whatever was made of it is not shown, so it is not run
        }

        final Applet running = applet;
        final ViewerStub runningStub = stub;
        frame.addWindowListener(new WindowAdapter() {
            @Override
            public void windowClosing(WindowEvent e) {
                if (running != null) {
                    try {
                        runningStub.setActive(false);
                        running.stop();
                        running.destroy();
                    } catch (Throwable t) {
                        System.err.println("AppletViewer: " + t);
                    }
                }
                frame.dispose();
                System.exit(0);
            }
        });
        frame.pack();
        frame.setLocationRelativeTo(null);
        frame.setVisible(true);

        if (running != null) {
            try {
                running.init();
                running.validate();
                runningStub.setActive(true);
                running.start();
            } catch (Throwable t) {
                System.err.println("AppletViewer: " + t);
            }
        }
    }

    // "Hello.class" and "pkg/Hello.class" name the classes Hello and pkg.Hello.
    static String className(String code) {
        String name = code.trim();
        if (name.endsWith(".class"))
            name = name.substring(0, name.length() - ".class".length());
        return name.replace('/', '.').replace('\\', '.');
    }

    private static URL codeBase(File page, AppletTag tag) throws Exception {
        File folder = page.getParentFile();
        String base = tag.attribute("codebase");
        if (base != null && !base.trim().isEmpty()) {
            File named = new File(base.trim());
            folder = named.isAbsolute() ? named : new File(folder, base.trim());
        }
        return folder.toURI().toURL();
    }
}
