package javax.microedition.rms;

import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.FileOutputStream;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.Map;
import zor.wtk.Suite;

/**
 * Record stores live in the suite's own folder, one file each, rewritten whole through a
 * temporary file after every change so that a crash never leaves half a store.
 */
public class RecordStore {
    public static final int AUTHMODE_PRIVATE = 0;
    public static final int AUTHMODE_ANY = 1;

    private static final int MAGIC = 0x5A525331; // "ZRS1"
    private static final long CAPACITY = 1 << 20;
    private static final Map<String, RecordStore> OPEN = new HashMap<String, RecordStore>();

    private final String name;
    private final File file;
    private final LinkedHashMap<Integer, byte[]> records = new LinkedHashMap<Integer, byte[]>();
    private final ArrayList<RecordListener> listeners = new ArrayList<RecordListener>();
    private int openCount;
    private int version;
    private long lastModified;
    private int nextId = 1;
    private int authMode = AUTHMODE_PRIVATE;
    private boolean writable;

    private RecordStore(String name, File file) {
        this.name = name;
        this.file = file;
    }

    private static File fileOf(String name) {
        return new File(Suite.current().recordFolder(), safeName(name) + ".rs");
    }

    private static String safeName(String text) {
        StringBuilder out = new StringBuilder();
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            boolean plain = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
            out.append(plain ? String.valueOf(c) : String.format("_%04x", (int) c));
        }
        return out.toString();
    }

    private static void checkName(String name) {
        if (name == null) {
            throw new NullPointerException();
        }
        if (name.length() < 1 || name.length() > 32) {
            throw new IllegalArgumentException("a record store name has 1 to 32 characters");
        }
    }

    public static RecordStore openRecordStore(String recordStoreName, boolean createIfNecessary)
            throws RecordStoreException, RecordStoreFullException, RecordStoreNotFoundException {
        return openRecordStore(recordStoreName, createIfNecessary, AUTHMODE_PRIVATE, true);
    }

    public static RecordStore openRecordStore(
            String recordStoreName, boolean createIfNecessary, int authmode, boolean writable)
            throws RecordStoreException, RecordStoreFullException, RecordStoreNotFoundException {
        checkName(recordStoreName);
        if (authmode != AUTHMODE_PRIVATE && authmode != AUTHMODE_ANY) {
            throw new IllegalArgumentException("bad authorization mode " + authmode);
        }
        synchronized (OPEN) {
            RecordStore store = OPEN.get(recordStoreName);
            if (store == null) {
                File file = fileOf(recordStoreName);
                store = new RecordStore(recordStoreName, file);
                if (file.exists()) {
                    store.load();
                } else if (!createIfNecessary) {
                    throw new RecordStoreNotFoundException("no record store " + recordStoreName);
                } else {
                    store.authMode = authmode;
                    store.writable = writable;
                    store.lastModified = System.currentTimeMillis();
                    store.save();
                }
                OPEN.put(recordStoreName, store);
            }
            store.openCount++;
            return store;
        }
    }

    public static RecordStore openRecordStore(String recordStoreName, String vendorName,
            String suiteName) throws RecordStoreException, RecordStoreNotFoundException {
        if (vendorName == null || suiteName == null) {
            throw new NullPointerException();
        }
        Suite suite = Suite.current();
        if (!vendorName.equals(suite.attribute("MIDlet-Vendor"))
                || !suiteName.equals(suite.attribute("MIDlet-Name"))) {
            throw new RecordStoreNotFoundException("only this suite's record stores can be opened");
        }
        return openRecordStore(recordStoreName, false);
    }

    public void setMode(int authmode, boolean writable) throws RecordStoreException {
        checkOpen();
        if (authmode != AUTHMODE_PRIVATE && authmode != AUTHMODE_ANY) {
            throw new IllegalArgumentException("bad authorization mode " + authmode);
        }
        synchronized (this) {
            authMode = authmode;
            this.writable = writable;
            save();
        }
    }

    public void closeRecordStore() throws RecordStoreNotOpenException, RecordStoreException {
        synchronized (OPEN) {
            checkOpen();
            if (--openCount == 0) {
                OPEN.remove(name);
                synchronized (this) {
                    listeners.clear();
                }
            }
        }
    }

    public static void deleteRecordStore(String recordStoreName)
            throws RecordStoreException, RecordStoreNotFoundException {
        checkName(recordStoreName);
        synchronized (OPEN) {
            if (OPEN.containsKey(recordStoreName)) {
                throw new RecordStoreException("record store " + recordStoreName + " is open");
            }
            File file = fileOf(recordStoreName);
            if (!file.exists()) {
                throw new RecordStoreNotFoundException("no record store " + recordStoreName);
            }
            if (!file.delete()) {
                throw new RecordStoreException("cannot delete " + file);
            }
        }
    }

    public static String[] listRecordStores() {
        File[] files = Suite.current().recordFolder().listFiles();
        ArrayList<String> names = new ArrayList<String>();
        if (files != null) {
            for (File f : files) {
                if (!f.getName().endsWith(".rs")) {
                    continue;
                }
                try (DataInputStream in = new DataInputStream(new FileInputStream(f))) {
                    if (in.readInt() == MAGIC) {
                        names.add(in.readUTF());
                    }
                } catch (IOException e) {
                    // A file that cannot be read is no record store.
                }
            }
        }
        return names.isEmpty() ? null : names.toArray(new String[0]);
    }

    private void checkOpen() throws RecordStoreNotOpenException {
        if (openCount <= 0) {
            throw new RecordStoreNotOpenException("record store " + name + " is closed");
        }
    }

    public String getName() throws RecordStoreNotOpenException {
        checkOpen();
        return name;
    }

    public synchronized int getVersion() throws RecordStoreNotOpenException {
        checkOpen();
        return version;
    }

    public synchronized int getNumRecords() throws RecordStoreNotOpenException {
        checkOpen();
        return records.size();
    }

    public synchronized int getSize() throws RecordStoreNotOpenException {
        checkOpen();
        int size = 64 + name.length() * 2;
        for (byte[] r : records.values()) {
            size += 8 + r.length;
        }
        return size;
    }

    public int getSizeAvailable() throws RecordStoreNotOpenException {
        return (int) Math.max(0, CAPACITY - getSize());
    }

    public synchronized long getLastModified() throws RecordStoreNotOpenException {
        checkOpen();
        return lastModified;
    }

    public synchronized int getNextRecordID()
            throws RecordStoreNotOpenException, RecordStoreException {
        checkOpen();
        return nextId;
    }

    public synchronized void addRecordListener(RecordListener listener) {
        if (listener != null && !listeners.contains(listener)) {
            listeners.add(listener);
        }
    }

    public synchronized void removeRecordListener(RecordListener listener) {
        listeners.remove(listener);
    }

    private static byte[] copy(byte[] data, int offset, int numBytes) {
        if (data == null) {
            if (numBytes > 0) {
                throw new NullPointerException();
            }
            return new byte[0];
        }
        if (offset < 0 || numBytes < 0 || offset > data.length - numBytes) {
            throw new ArrayIndexOutOfBoundsException("offset " + offset + ", length " + numBytes);
        }
        byte[] record = new byte[numBytes];
        System.arraycopy(data, offset, record, 0, numBytes);
        return record;
    }

    public int addRecord(byte[] data, int offset, int numBytes)
            throws RecordStoreNotOpenException, RecordStoreException, RecordStoreFullException {
        byte[] record = copy(data, offset, numBytes);
        int id;
        RecordListener[] notify;
        synchronized (this) {
            checkOpen();
            if (getSize() + 8 + numBytes > CAPACITY) {
                throw new RecordStoreFullException("record store " + name + " is full");
            }
            id = nextId++;
            records.put(Integer.valueOf(id), record);
            changed();
            notify = listeners.toArray(new RecordListener[0]);
        }
        for (RecordListener l : notify) {
            l.recordAdded(this, id);
        }
        return id;
    }

    public void deleteRecord(int recordId)
            throws RecordStoreNotOpenException, InvalidRecordIDException, RecordStoreException {
        RecordListener[] notify;
        synchronized (this) {
            record(recordId);
            records.remove(Integer.valueOf(recordId));
            changed();
            notify = listeners.toArray(new RecordListener[0]);
        }
        for (RecordListener l : notify) {
            l.recordDeleted(this, recordId);
        }
    }

    private byte[] record(int recordId)
            throws RecordStoreNotOpenException, InvalidRecordIDException {
        checkOpen();
        byte[] record = records.get(Integer.valueOf(recordId));
        if (record == null) {
            throw new InvalidRecordIDException("no record " + recordId);
        }
        return record;
    }

    public synchronized int getRecordSize(int recordId)
            throws RecordStoreNotOpenException, InvalidRecordIDException, RecordStoreException {
        return record(recordId).length;
    }

    public synchronized int getRecord(int recordId, byte[] buffer, int offset)
            throws RecordStoreNotOpenException, InvalidRecordIDException, RecordStoreException {
        byte[] record = record(recordId);
        System.arraycopy(record, 0, buffer, offset, record.length);
        return record.length;
    }

    public synchronized byte[] getRecord(int recordId)
            throws RecordStoreNotOpenException, InvalidRecordIDException, RecordStoreException {
        byte[] record = record(recordId);
        return record.length == 0 ? null : (byte[]) record.clone();
    }

    public void setRecord(int recordId, byte[] newData, int offset, int numBytes)
            throws RecordStoreNotOpenException, InvalidRecordIDException, RecordStoreException,
                   RecordStoreFullException {
        byte[] record = copy(newData, offset, numBytes);
        RecordListener[] notify;
        synchronized (this) {
            byte[] old = record(recordId);
            if (getSize() - old.length + numBytes > CAPACITY) {
                throw new RecordStoreFullException("record store " + name + " is full");
            }
            records.put(Integer.valueOf(recordId), record);
            changed();
            notify = listeners.toArray(new RecordListener[0]);
        }
        for (RecordListener l : notify) {
            l.recordChanged(this, recordId);
        }
    }

    public RecordEnumeration enumerateRecords(RecordFilter filter, RecordComparator comparator,
            boolean keepUpdated) throws RecordStoreNotOpenException {
        checkOpen();
        return new Enumeration(this, filter, comparator, keepUpdated);
    }

    /** Record ids in ascending order with their contents, for enumerations. */
    synchronized Map<Integer, byte[]> snapshot() {
        return new LinkedHashMap<Integer, byte[]>(records);
    }

    private void changed() throws RecordStoreException {
        version++;
        lastModified = System.currentTimeMillis();
        save();
    }

    private void load() throws RecordStoreException {
        try (DataInputStream in = new DataInputStream(new FileInputStream(file))) {
            if (in.readInt() != MAGIC) {
                throw new RecordStoreException("not a record store: " + file);
            }
            in.readUTF();
            version = in.readInt();
            lastModified = in.readLong();
            nextId = in.readInt();
            authMode = in.readInt();
            writable = in.readBoolean();
            int count = in.readInt();
            for (int i = 0; i < count; i++) {
                int id = in.readInt();
                byte[] record = new byte[in.readInt()];
                in.readFully(record);
                records.put(Integer.valueOf(id), record);
            }
        } catch (IOException e) {
            throw new RecordStoreException("cannot read " + file + ": " + e.getMessage());
        }
    }

    private void save() throws RecordStoreException {
        File folder = file.getParentFile();
        File temporary = new File(folder, file.getName() + ".tmp");
        try {
            Files.createDirectories(folder.toPath());
            try (FileOutputStream stream = new FileOutputStream(temporary);
                    DataOutputStream out = new DataOutputStream(stream)) {
                out.writeInt(MAGIC);
                out.writeUTF(name);
                out.writeInt(version);
                out.writeLong(lastModified);
                out.writeInt(nextId);
                out.writeInt(authMode);
                out.writeBoolean(writable);
                out.writeInt(records.size());
                for (Map.Entry<Integer, byte[]> e : records.entrySet()) {
                    out.writeInt(e.getKey().intValue());
                    out.writeInt(e.getValue().length);
                    out.write(e.getValue());
                }
                out.flush();
                stream.getFD().sync();
            }
            Files.move(temporary.toPath(), file.toPath(), StandardCopyOption.REPLACE_EXISTING,
                    StandardCopyOption.ATOMIC_MOVE);
        } catch (IOException e) {
            throw new RecordStoreException("cannot write " + file + ": " + e.getMessage());
        }
    }
}
