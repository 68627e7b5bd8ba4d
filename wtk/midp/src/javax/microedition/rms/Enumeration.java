package javax.microedition.rms;

import java.util.ArrayList;
import java.util.Map;

/** The enumeration of a record store: ids filtered and sorted when built or rebuilt. */
final class Enumeration implements RecordEnumeration, RecordListener {
    private final RecordStore store;
    private final RecordFilter filter;
    private final RecordComparator comparator;
    private boolean keptUpdated;
    private int[] ids = new int[0];
    private int cursor = -1;
    private boolean destroyed;

    Enumeration(RecordStore store, RecordFilter filter, RecordComparator comparator,
            boolean keepUpdated) {
        this.store = store;
        this.filter = filter;
        this.comparator = comparator;
        rebuild();
        keepUpdated(keepUpdated);
    }

    private void checkAlive() {
        if (destroyed) {
            throw new IllegalStateException("the enumeration was destroyed");
        }
    }

    public synchronized int numRecords() {
        checkAlive();
        return ids.length;
    }

    public byte[] nextRecord()
            throws InvalidRecordIDException, RecordStoreNotOpenException, RecordStoreException {
        return store.getRecord(nextRecordId());
    }

    public synchronized int nextRecordId() throws InvalidRecordIDException {
        checkAlive();
        if (cursor + 1 >= ids.length) {
            throw new InvalidRecordIDException("no next record");
        }
        return ids[++cursor];
    }

    public byte[] previousRecord()
            throws InvalidRecordIDException, RecordStoreNotOpenException, RecordStoreException {
        return store.getRecord(previousRecordId());
    }

    public synchronized int previousRecordId() throws InvalidRecordIDException {
        checkAlive();
        int i = cursor == -1 ? ids.length - 1 : cursor - 1;
        if (i < 0) {
            throw new InvalidRecordIDException("no previous record");
        }
        cursor = i;
        return ids[i];
    }

    public synchronized boolean hasNextElement() {
        checkAlive();
        return cursor + 1 < ids.length;
    }

    public synchronized boolean hasPreviousElement() {
        checkAlive();
        return cursor == -1 ? ids.length > 0 : cursor > 0;
    }

    public synchronized void reset() {
        checkAlive();
        cursor = -1;
    }

    public synchronized void rebuild() {
        checkAlive();
        final ArrayList<Map.Entry<Integer, byte[]>> chosen =
                new ArrayList<Map.Entry<Integer, byte[]>>();
        for (Map.Entry<Integer, byte[]> e : store.snapshot().entrySet()) {
            if (filter == null || filter.matches(e.getValue())) {
                chosen.add(e);
            }
        }
        if (comparator != null) {
            chosen.sort((a, b) -> comparator.compare(a.getValue(), b.getValue()));
        }
        ids = new int[chosen.size()];
        for (int i = 0; i < ids.length; i++) {
            ids[i] = chosen.get(i).getKey().intValue();
        }
        cursor = -1;
    }

    public synchronized void keepUpdated(boolean keepUpdated) {
        checkAlive();
        if (keepUpdated == keptUpdated) {
            return;
        }
        keptUpdated = keepUpdated;
        if (keepUpdated) {
            store.addRecordListener(this);
            rebuild();
        } else {
            store.removeRecordListener(this);
        }
    }

    public synchronized boolean isKeptUpdated() {
        checkAlive();
        return keptUpdated;
    }

    public synchronized void destroy() {
        checkAlive();
        store.removeRecordListener(this);
        destroyed = true;
    }

    public void recordAdded(RecordStore recordStore, int recordId) {
        rebuild();
    }

    public void recordChanged(RecordStore recordStore, int recordId) {
        rebuild();
    }

    public void recordDeleted(RecordStore recordStore, int recordId) {
        rebuild();
    }
}
